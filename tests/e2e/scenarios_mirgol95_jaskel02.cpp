#include "scenarios_mirgol95_jaskel02.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "scenario_tools.h"
#include "scenarios.h"

enum { EDIT_P = 102, EDIT_Q = 103 };

// Puts text on the clipboard as CF_TEXT.
static bool put_on_clipboard(const std::string &text)
{
    if (!OpenClipboard(NULL))
        return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    bool put = SetClipboardData(CF_TEXT, memory) != NULL;
    CloseClipboard();
    return put;
}

// Empties the box, pastes text into it and returns what it shows then.
static std::string paste_into(const Session &session, int id, const std::string &text)
{
    type_into(session, id, "");
    if (!put_on_clipboard(text))
        return "(clipboard refused)";
    SendMessageA(control(session, id), WM_PASTE, 0, 0);
    return control_text(control(session, id));
}

// Calculation with p and q as given (set as whole texts, not key by key)
// must end in the message for the box named, that box emptied and focused,
// and no save dialog. The box's filter runs on the new text too, so "nan"
// is gone before the Calculation reads it; the Calculation's own refusal of
// a text that is no finite number is tested natively (read_start_value).
static void expect_no_value(const ProgramCase &program, const char *p, const char *q, int refused_id)
{
    Session session(program);
    std::string name = refused_id == EDIT_P ? "p" : "q";
    std::string what = std::string("p \"") + p + "\", q \"" + q + "\"";
    SendMessageA(control(session, EDIT_P), WM_SETTEXT, 0, (LPARAM)p);
    SendMessageA(control(session, EDIT_Q), WM_SETTEXT, 0, (LPARAM)q);
    if (!settle(session.window))
        return;
    click(session.window, program.calc_id);
    expect_message(program, session, what,
                   settings.japanese ? "エディットボックス (" + name + ":) に数値がありません!"
                                     : "No numerical value in the Editbox (" + name + ":)!",
                   tr("Error", "エラー"));
    HWND box = control(session, refused_id);
    bool settled = settle(session.window);
    std::string shown = control_text(box);
    check(settled && shown.empty() && focus_of(session.window) == box,
          label(program, what + ": box " + name + " empty and focused"), "\"" + shown + "\"");
    check(find_owned_dialog(session.window, nullptr) == NULL, label(program, what + ": no save dialog"));
}

static void check_start_values(const ProgramCase &program)
{
    if (!settings.japanese) {
        const EntryCase p_entry = {"mirgol95", EDIT_P, "p", 1, "", "", ""};
        const EntryCase q_entry = {"mirgol95", EDIT_Q, "q", 1, "", "", ""};
        check_typing(program, p_entry);
        check_typing(program, q_entry);
    }
    {
        Session session(program);
        check(focus_of(session.window) == control(session, EDIT_P), label(program, "p has the focus at start"));
        // pasted texts that a C library reads as NaN, infinity or hexadecimal
        // lose their letters in the box
        struct Pasted {
            const char *text, *shown;
        } pasted[] = {{"nan", ""}, {"inf", ""}, {"-inf", "-"}, {"0x1A", "0"}, {"1e999", "1"}, {"-NaN", "-"}, {"12.5", "12.5"}};
        for (const Pasted &t : pasted)
            for (int id : {EDIT_P, EDIT_Q}) {
                std::string shown = paste_into(session, id, t.text);
                check(shown == t.shown,
                      label(program, std::string("pasting \"") + t.text + "\" into " + (id == EDIT_P ? "p" : "q")),
                      "shows \"" + shown + "\", expected \"" + t.shown + "\"");
            }
    }
    expect_no_value(program, "", "1", EDIT_P);
    expect_no_value(program, "1", "", EDIT_Q);
    expect_no_value(program, "nan", "1", EDIT_P);
    expect_no_value(program, "2", "inf", EDIT_Q);
}

// A name typed without extension gets ".txt" from the dialog.
static void check_default_extension(const ProgramCase &program)
{
    std::string base = work_file("gf2_no_extension");
    DeleteFileA((base + ".txt").c_str());
    Session session(program);
    HWND dialog = open_save_dialog(program, session);
    if (!dialog) {
        check(false, label(program, "name without extension"), "no save dialog");
        return;
    }
    enter_file_name(dialog, base);
    expect_message(program, session, "name without extension",
                   tr("The solution has been saved in the file\n  ", "解は下記のファイルに保存されました;\n  ") + base +
                       ".txt.",
                   tr("Success", "成功"));
    std::string bytes;
    check(read_file(base + ".txt", bytes) &&
              bytes == tr("PRIMITIVE POLYNOMIAL [degree(s) 1]\r\n\r\nX^1 + 1\r\n", "原始多項式 [1次]\r\n\r\nX^1 + 1\r\n"),
          label(program, "name without extension: the .txt file written"), bytes);
}

void check_mirgol95_jaskel02(const ProgramCase &program)
{
    if (strcmp(program.name, "mirgol95") == 0)
        check_start_values(program);
    else if (strcmp(program.name, "jaskel02") == 0)
        check_default_extension(program);
}
