#include "scenarios.h"

#include <windows.h>

#include <cstdio>

#include "driver_tools.h"
#include "scenario_tools.h"
#include "scenarios_topmost.h"

DriverSettings settings;

const char *tr(const char *english, const char *japanese)
{
    return settings.japanese ? japanese : english;
}

static std::string upper(const char *name)
{
    std::string text = name;
    for (char &c : text)
        c = (char)toupper((unsigned char)c);
    return text;
}

std::string exe_path(const ProgramCase &program)
{
    return settings.bin + "\\" + upper(program.name) + ".EXE";
}

std::string label(const ProgramCase &program, const std::string &what)
{
    return std::string(program.name) + (settings.japanese ? " (ja): " : ": ") + what;
}

HWND control(const Session &session, int id) { return GetDlgItem(session.window, id); }

static int is_checked(const Session &session, int id)
{
    return (int)SendMessageA(control(session, id), BM_GETCHECK, 0, 0);
}

// Clicks a check box and waits until it shows the new state.
bool set_check(const Session &session, int id, int state)
{
    if (is_checked(session, id) == state)
        return true;
    click(session.window, id);
    return wait_until([&] { return is_checked(session, id) == state; });
}

// Chooses the list item with the given text, as a user's choice does: the
// selection changes and the main window is told.
bool select_item(const Session &session, int id, const std::string &text)
{
    HWND list = control(session, id);
    std::wstring wide(text.begin(), text.end());  // digits and signs only
    LRESULT index = SendMessageW(list, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)wide.c_str());
    if (index == CB_ERR)
        return false;
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(session.window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)list);
    return SendMessageA(list, CB_GETCURSEL, 0, 0) == index;
}

// Empties an edit box and types the text into it key by key; returns the
// text the box shows afterwards.
std::string type_into(const Session &session, int id, const std::string &text)
{
    HWND edit = control(session, id);
    SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)"");
    // A click into the box gives it the focus and the caret, as for a user.
    // Each message is sent, not posted: it has been handled, with the
    // program's filter, when the call returns.
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    for (char c : text)
        SendMessageA(edit, WM_CHAR, (unsigned char)c, 1);
    return control_text(edit);
}

// Sets a named parameter of a file case through its control.
static bool set_parameter(const ProgramCase &program, const Session &session, const std::string &name,
                          const std::string &value)
{
    int id = parameter_control(program, name.c_str());
    if (id == 0)
        return false;
    HWND box = control(session, id);
    if (window_class(box) == "ComboBox")
        return select_item(session, id, value);
    if (window_class(box) == "Button") {
        LONG style = GetWindowLongA(box, GWL_STYLE) & 0x0F;
        if (style == BS_RADIOBUTTON || style == BS_AUTORADIOBUTTON) {
            // a group of radio buttons from id on: the value picks one
            int chosen = id + atoi(value.c_str());
            click(session.window, chosen);
            return wait_until([&] { return is_checked(session, chosen) == 1; });
        }
        return set_check(session, id, atoi(value.c_str()));
    }
    return type_into(session, id, value) == value;
}

HWND wait_save_dialog(const Session &session)
{
    return wait_for_window([&] { return find_owned_dialog(session.window, is_save_dialog); });
}

HWND wait_message_box(HWND owner)
{
    return wait_for_window([&] { return find_owned_dialog(owner, is_message_box); });
}

// Types "1" into every typed parameter that is still empty, so that the
// Calculation command goes on to the save dialog.
static void fill_empty_entries(const ProgramCase &program, const Session &session)
{
    for (const ParameterControl *p = program.parameters; p && p->name; p++) {
        HWND box = control(session, p->id);
        if (window_class(box) == "Edit" && control_text(box).empty())
            type_into(session, p->id, "1");
    }
}

// Presses Calculation and waits for the save dialog.
HWND open_save_dialog(const ProgramCase &program, const Session &session)
{
    fill_empty_entries(program, session);
    if (!settle(session.window))
        return NULL;
    click(session.window, program.calc_id);
    return wait_save_dialog(session);
}

// Types the name into the save dialog and presses its Save button.
void enter_file_name(HWND dialog, const std::string &path)
{
    SendMessageA(GetDlgItem(dialog, 0x47c), WM_SETTEXT, 0, (LPARAM)path.c_str());
    press(dialog, IDOK);
}

// Waits until the save dialog has closed and the program is idle again; true
// when then no dialog or message box of the program is open.
bool ends_silently(const Session &session, HWND dialog)
{
    if (!wait_until([&] { return !IsWindow(dialog); }) || !settle(session.window))
        return false;
    return find_owned_dialog(session.window, nullptr) == NULL && IsWindowEnabled(session.window);
}

// Answers the message box that should be open with OK; its text and caption
// must be the given ones.
void expect_message(const ProgramCase &program, const Session &session, const std::string &what,
                           const std::string &text, const std::string &caption)
{
    HWND box = wait_message_box(session.window);
    check(box != NULL, label(program, what + ": a message box opens"));
    if (!box)
        return;
    std::string shown = message_text(box);
    check(shown == text, label(program, what + ": message text"), "\"" + shown + "\"");
    check(window_text(box) == caption, label(program, what + ": message caption"), window_text(box));
    press(box, IDOK);
    wait_until([&] { return !IsWindow(box); });
}

std::string work_file(const char *name)
{
    return settings.work + "\\" + name;
}

void check_startup_state(const ProgramCase &program)
{
    Session session(program);
    check(session.window != NULL, label(program, "main window found by its title"));
    if (!session.window)
        return;
    HWND list = control(session, program.list_id);
    int count = (int)SendMessageA(list, CB_GETCOUNT, 0, 0);
    check(count == program.list_count, label(program, "degree list items"), std::to_string(count));
    bool texts_right = true;
    for (int i = 0; i < count; i++) {
        WCHAR text[64] = L"";  // the ANSI form returns garbage across processes under Wine
        SendMessageW(list, CB_GETLBTEXT, i, (LPARAM)text);
        texts_right = texts_right && std::to_wstring(program.list_first + i) == text;
    }
    check(texts_right, label(program, "degree list texts"));
    check(SendMessageA(list, CB_GETCURSEL, 0, 0) == program.default_item, label(program, "first degree selected"));
    check(is_checked(session, program.all_id) == 0 && (!program.normalize_id || is_checked(session, program.normalize_id) == 0),
          label(program, "check boxes clear"));
    check(window_text(control(session, program.calc_id)) == tr("Calculation", "計算実行"),
          label(program, "button texts in the language"));
}

void check_file_case(const ProgramCase &program, const FileCase &file_case)
{
    std::string name = file_case.file_name;  // the expected file's name, ending ".xls"
    std::string what = "file " + name;
    std::string path = work_file((name.substr(0, name.size() - 4) + program.extension).c_str());
    DeleteFileA(path.c_str());

    Session session(program);
    if (!session.window) {
        check(false, label(program, what), "no main window");
        return;
    }
    bool set = select_item(session, program.list_id, std::to_string(file_case.degree));
    for (const auto &parameter : file_case.parameters)
        set = set_parameter(program, session, parameter.first, parameter.second) && set;
    set = set_check(session, program.all_id, file_case.all) && set;
    if (program.normalize_id)
        set = set_check(session, program.normalize_id, file_case.normalize) && set;
    check(set, label(program, what + ": choices set"));
    HWND dialog = open_save_dialog(program, session);
    check(dialog != NULL, label(program, what + ": save dialog opens"));
    if (!dialog)
        return;
    check(window_text(dialog) == tr("Assign a file to save a solution.", "解を保存するファイル名の選択"),
          label(program, what + ": dialog title"), window_text(dialog));
    enter_file_name(dialog, path);
    std::string success = settings.japanese
                              ? "解は下記のファイルに保存されました;\n  " + path + "\nファイルをダブルクリックすると解を読めます."
                              : "The solution has been saved in the file\n  " + path +
                                    ".\nDouble click the file, then you can read the solution.";
    if (std::string(program.extension) == ".txt")  // a text file names no spreadsheet
        success = tr("The solution has been saved in the file\n  ", "解は下記のファイルに保存されました;\n  ") + path + ".";
    expect_message(program, session, what, success, tr("Success", "成功"));

    std::string actual, expected, detail;
    check(read_file(path, actual), label(program, what + ": written"));
    check(read_file(settings.expected + "\\" + name, expected), label(program, what + ": expected file present"));
    check(same_bytes(actual, expected, detail), label(program, what + ": bytes"), detail);
    check(is_checked(session, program.all_id) == file_case.all, label(program, what + ": choices kept"));
}

void check_cancel(const ProgramCase &program)
{
    Session session(program);
    set_check(session, program.all_id, 1);
    HWND dialog = open_save_dialog(program, session);
    check(dialog != NULL, label(program, "cancel: save dialog opens"));
    if (!dialog)
        return;
    press(dialog, IDCANCEL);
    check(ends_silently(session, dialog), label(program, "cancel: no message"));
    check(is_checked(session, program.all_id) == 1, label(program, "cancel: choices kept"));
}

void check_refused_extension(const ProgramCase &program)
{
    // a ".txt" program refuses ".xls", the others ".txt"
    bool text_file = std::string(program.extension) == ".txt";
    std::string wrong = text_file ? ".xls" : ".txt";
    std::string path = work_file(("refused" + wrong).c_str());
    DeleteFileA(path.c_str());
    Session session(program);
    HWND dialog = open_save_dialog(program, session);
    if (!dialog) {
        check(false, label(program, wrong + " name"), "no save dialog");
        return;
    }
    enter_file_name(dialog, path);
    expect_message(program, session, wrong + " name",
                   text_file ? tr("Assign a file with TXT extension.", "ファイルは拡張子 TXT を持つ必要があります.")
                             : tr("Assign a file with XLS extension.", "ファイルは拡張子 XLS を持つ必要があります."),
                   tr("Error", "エラー"));
    check(!file_exists(path), label(program, wrong + " name: no file"));
}

void check_overwrite_declined(const ProgramCase &program)
{
    std::string path = work_file("keep.xls");
    FILE *file = fopen(path.c_str(), "wb");
    fputs("keep me", file);
    fclose(file);
    Session session(program);
    HWND dialog = open_save_dialog(program, session);
    if (!dialog) {
        check(false, label(program, "overwrite"), "no save dialog");
        return;
    }
    enter_file_name(dialog, path);
    HWND prompt = wait_message_box(dialog);  // the dialog's own question
    check(prompt != NULL, label(program, "overwrite: prompt"));
    if (prompt) {
        press(prompt, IDNO);
        wait_until([&] { return !IsWindow(prompt); });
    }
    check(IsWindow(dialog), label(program, "overwrite: No returns to the dialog"));
    press(dialog, IDCANCEL);
    check(ends_silently(session, dialog), label(program, "overwrite: no message"));
    std::string bytes;
    check(read_file(path, bytes) && bytes == "keep me", label(program, "overwrite: file untouched"));
}

void check_cdrom_refused(const ProgramCase &program)
{
    Session session(program);
    HWND dialog = open_save_dialog(program, session);
    if (!dialog) {
        check(false, label(program, "CD-ROM"), "no save dialog");
        return;
    }
    enter_file_name(dialog, settings.cdrom + "refused.xls");
    expect_message(program, session, "CD-ROM drive",
                   tr("Unable to save the solution to the remote disk.", "リモート・ディスクへは解をセーブできません."),
                   tr("Warning", "警告"));
    check(!file_exists(settings.cdrom + "refused.xls"), label(program, "CD-ROM drive: no file"));
}

static HWND find_notepad()
{
    return FindWindowA("Notepad", NULL);
}

static void close_notepads()
{
    HWND notepad;
    while ((notepad = find_notepad()) != NULL) {
        PostMessageA(notepad, WM_CLOSE, 0, 0);
        wait_until([&] { return !IsWindow(notepad); });
    }
}

// Opens the About dialog; returns it or NULL.
static HWND open_about(const ProgramCase &program, const Session &session)
{
    if (!settle(session.window))
        return NULL;
    click(session.window, program.about_id);
    return wait_for_window([&] {
        return find_owned_dialog(session.window, [](HWND d) { return window_text(d) == tr("About", "御案内"); });
    });
}

void check_about_dialog(const ProgramCase &program)
{
    close_notepads();
    Session session(program);

    HWND about = open_about(program, session);
    check(about != NULL, label(program, "About opens"));
    if (!about)
        return;
    press(about, 1);  // Close
    check(wait_until([&] { return !IsWindow(about); }) && settle(session.window) && find_notepad() == NULL,
          label(program, "About: Close opens no readme"));

    about = open_about(program, session);
    if (about) {
        PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
        check(wait_until([&] { return !IsWindow(about); }) && settle(session.window) && find_notepad() == NULL,
              label(program, "About: close box opens no readme"));
    }

    about = open_about(program, session);
    if (about) {
        // Esc on the focused button reaches the dialog as command 2: ReadMe
        PostMessageA(GetDlgItem(about, 1), WM_KEYDOWN, VK_ESCAPE, 0);
        HWND notepad = wait_for_window(find_notepad);
        check(notepad != NULL, label(program, "About: Esc opens the readme in Notepad"));
        check(!IsWindow(about), label(program, "About: Esc closes the dialog"));
        if (notepad)
            check(wait_until([&] { return window_text(notepad).find(program.readme) != std::string::npos; }),
                  label(program, "About: Notepad shows the readme"), window_text(notepad));
        close_notepads();
    }

    about = open_about(program, session);
    if (about) {
        press(about, 2);  // ReadMe
        check(wait_for_window(find_notepad) != NULL, label(program, "About: ReadMe opens Notepad"));
        close_notepads();
    }
}

void check_missing_readme(const ProgramCase &program)
{
    // a copy of the program in a folder without its readme
    std::string folder = settings.work + "\\no_readme";
    CreateDirectoryA(folder.c_str(), NULL);
    std::string copy = folder + "\\" + upper(program.name) + ".EXE";
    CopyFileA(exe_path(program).c_str(), copy.c_str(), FALSE);

    Session session(program, copy);
    HWND about = open_about(program, session);
    if (!about) {
        check(false, label(program, "missing readme"), "no About dialog");
        return;
    }
    press(about, 2);
    HWND box = wait_for_window([&] { return find_unowned_dialog(session.running.process.dwProcessId); });
    check(box != NULL, label(program, "missing readme: message without owner"));
    if (!box)
        return;
    std::string expected = settings.japanese
                               ? "説明ファイル(" + std::string(program.readme) + ")を、本フォルダに\nインストールしてください."
                               : "Install the readme file (" + std::string(program.readme) + ")\nin the same directory.";
    check(message_text(box) == expected, label(program, "missing readme: message text"), message_text(box));
    check(find_notepad() == NULL, label(program, "missing readme: no Notepad"));
    press(box, IDOK);
}

void check_exit_and_close_box(const ProgramCase &program)
{
    {
        Session session(program);
        click(session.window, program.exit_id);
        DWORD code = 99;
        check(wait_exit(session.running, &code) && code == 0, label(program, "Exit ends with code 0"),
              std::to_string(code));
    }
    {
        Session session(program);
        PostMessageA(session.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        DWORD code = 99;
        check(wait_exit(session.running, &code) && code == 0, label(program, "close box ends with code 0"),
              std::to_string(code));
    }
}

struct VisibleSearch {
    DWORD process_id;
    bool seen;
};

static BOOL CALLBACK note_visible(HWND window, LPARAM data)
{
    VisibleSearch *search = (VisibleSearch *)data;
    if (IsWindowVisible(window) && window_process(window) == search->process_id)
        search->seen = true;
    return TRUE;
}

void check_second_instance(const ProgramCase &program)
{
    Session first(program);
    if (!first.window) {
        check(false, label(program, "second instance"), "first instance has no window");
        return;
    }
    select_item(first, program.list_id, std::to_string(program.list_first + 5));
    Running second;
    check(start_process(exe_path(program), second), label(program, "second instance starts"));
    VisibleSearch search = {second.process.dwProcessId, false};
    bool ended = wait_until([&] {
        EnumWindows(note_visible, (LPARAM)&search);
        return WaitForSingleObject(second.process.hProcess, 0) == WAIT_OBJECT_0;
    });
    DWORD code = 99;
    GetExitCodeProcess(second.process.hProcess, &code);
    check(ended && code == 0, label(program, "second instance exits with 0"), std::to_string(code));
    check(!search.seen, label(program, "second instance never shows a window"));
    end_process(second);
    check(IsWindow(first.window) && SendMessageA(control(first, program.list_id), CB_GETCURSEL, 0, 0) == 5,
          label(program, "first instance keeps its state"));
}

void check_write_failure(const ProgramCase &program)
{
    std::string path = work_file("too_large.xls");
    DeleteFileA(path.c_str());
    Session session(program);
    select_item(session, program.list_id, std::to_string(program.list_first + program.list_count - 1));
    set_check(session, program.all_id, 1);
    HWND dialog = open_save_dialog(program, session);
    if (!dialog) {
        check(false, label(program, "failed write"), "no save dialog");
        return;
    }
    enter_file_name(dialog, path);
    expect_message(program, session, "failed write",
                   tr("Unable to write the solution to the file.\nThe incomplete file has been deleted.",
                      "解をファイルに書き込めません.\n不完全なファイルは削除されました."),
                   tr("Error", "エラー"));
    check(!file_exists(path), label(program, "failed write: no file left behind"));
}

// The window that has the keyboard focus in the thread of window.
HWND focus_of(HWND window)
{
    GUITHREADINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info);
    return info.hwndFocus;
}

// Sets every typed parameter of the program but the one with id to "1".
static void fill_other_entries(const ProgramCase &program, const Session &session, int id)
{
    for (const ParameterControl *p = program.parameters; p && p->name; p++)
        if (p->id != id && window_class(control(session, p->id)) == "Edit")
            type_into(session, p->id, "1");
}

void check_typing(const ProgramCase &program, const EntryCase &entry)
{
    Session session(program);
    if (!session.window) {
        check(false, label(program, "typing"), "no main window");
        return;
    }
    struct Typed {
        const char *keys;
        const char *shown_signed;
        const char *shown_unsigned;
    };
    const Typed typed[] = {
        {"1x23", "123", "123"}, {".", "0.", "0."},  {"-.", "-0.", "0."},  {"1e5", "15", "15"},
        {"-", "-", ""},         {"12a", "12", "12"}, {"1.2.", "1.2", "1.2"}, {"-2.5", "-2.5", "2.5"},
    };
    for (const Typed &t : typed) {
        std::string shown = type_into(session, entry.id, t.keys);
        std::string expected = entry.is_signed ? t.shown_signed : t.shown_unsigned;
        check(shown == expected, label(program, std::string("typing \"") + t.keys + "\" into " + entry.name),
              "shows \"" + shown + "\", expected \"" + expected + "\"");
    }
}

void check_empty_and_outside(const ProgramCase &program, const EntryCase &entry)
{
    Session session(program);
    if (!session.window) {
        check(false, label(program, "empty entry"), "no main window");
        return;
    }
    HWND edit = control(session, entry.id);
    std::string name = entry.name;
    fill_other_entries(program, session, entry.id);

    type_into(session, entry.id, "");
    click(session.window, program.calc_id);
    std::string empty_en = "No numerical value in the Editbox (" + name + ":)!";
    std::string empty_ja = "エディットボックス (" + name + ":) に数値がありません!";
    expect_message(program, session, "empty " + name, settings.japanese ? empty_ja : empty_en, tr("Error", "エラー"));
    check(settle(session.window) && focus_of(session.window) == edit, label(program, "empty " + name + ": focus on the box"));

    type_into(session, entry.id, entry.outside);
    click(session.window, program.calc_id);
    expect_message(program, session, name + " = " + entry.outside, tr(entry.range_en, entry.range_ja),
                   tr("Information", "お知らせ"));
    check(settle(session.window) && control_text(edit).empty() && focus_of(session.window) == edit,
          label(program, name + " = " + entry.outside + ": box emptied and focused"));
    check(find_owned_dialog(session.window, is_save_dialog) == NULL, label(program, name + " = " + entry.outside + ": no save dialog"));
}

// Makes the choices "name=value ..."; normalize and all are the check boxes.
static bool make_choices(const ProgramCase &program, const Session &session, const std::string &choices)
{
    bool made = true;
    size_t start = 0;
    while (start < choices.size()) {
        size_t end = choices.find(' ', start);
        std::string word = choices.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? choices.size() : end + 1;
        size_t equals = word.find('=');
        std::string name = word.substr(0, equals), value = word.substr(equals + 1);
        if (name == "normalize")
            made = set_check(session, program.normalize_id, atoi(value.c_str())) && made;
        else if (name == "all")
            made = set_check(session, program.all_id, atoi(value.c_str())) && made;
        else
            made = set_parameter(program, session, name, value) && made;
    }
    return made;
}

void check_refusal(const ProgramCase &program, const RefusalCase &refusal)
{
    std::string what = "refused n=" + std::to_string(refusal.degree) + " " + refusal.choices;
    Session session(program);
    if (!session.window) {
        check(false, label(program, what), "no main window");
        return;
    }
    bool made = select_item(session, program.list_id, std::to_string(refusal.degree)) &&
                make_choices(program, session, refusal.choices);
    check(made, label(program, what + ": choices made"));
    if (!settle(session.window))
        return;
    click(session.window, program.calc_id);
    expect_message(program, session, what, tr(refusal.text_en, refusal.text_ja),
                   tr(refusal.caption_en, refusal.caption_ja));
    check(settle(session.window) && find_owned_dialog(session.window, nullptr) == NULL,
          label(program, what + ": no save dialog"));
}

// Counts the pure red pixels of the screen in a 102 x 22 box whose top left
// corner is (left, top) in the client area of window.
int red_pixels(HWND window, int left, int top)
{
    POINT corner = {left, top};
    ClientToScreen(window, &corner);
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 102, 22);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, 102, 22, screen, corner.x, corner.y, SRCCOPY);
    int count = 0;
    for (int y = 0; y < 22; y++)
        for (int x = 0; x < 102; x++)
            if (GetPixel(memory, x, y) == RGB(255, 0, 0))
                count++;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return count;
}

void check_busy_box(const ProgramCase &program, const BusyCase &busy)
{
    std::string what = "In Process box";
    std::string base = work_file(("busy_" + std::string(program.name)).c_str());
    Session session(program);
    if (!session.window) {
        check(false, label(program, what), "no main window");
        return;
    }
    bool made = select_item(session, program.list_id, std::to_string(busy.degree)) &&
                make_choices(program, session, busy.choices);
    check(made, label(program, what + ": degree " + std::to_string(busy.degree) + " " + busy.choices));
    check(red_pixels(session.window, busy.box_left, busy.box_top) == 0, label(program, what + ": not shown before"));
    HWND dialog = open_save_dialog(program, session);
    if (!dialog) {
        check(false, label(program, what), "no save dialog");
        return;
    }
    // the pipe exists, so the dialog asks before it is chosen
    enter_file_name(dialog, base + ".xls");
    HWND prompt = wait_message_box(dialog);
    if (prompt)
        press(prompt, IDYES);
    bool shown = wait_until([&] { return red_pixels(session.window, busy.box_left, busy.box_top) > 1000; });
    check(shown, label(program, what + ": shown while the tables are written"),
          std::to_string(red_pixels(session.window, busy.box_left, busy.box_top)) + " red pixels");
    check_window_band(program, session.window, true);

    // let the rest of the file through
    FILE *go = fopen((base + ".go").c_str(), "wb");
    if (go)
        fclose(go);
    HWND box = wait_message_box(session.window);
    check(box != NULL && window_text(box) == tr("Success", "成功"), label(program, what + ": success"));
    if (box) {
        // the message box is moved off the main window before its pixels are read
        SetWindowPos(box, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        settle(session.window);
        check(red_pixels(session.window, busy.box_left, busy.box_top) == 0,
              label(program, what + ": gone when the calculation ends"));
        press(box, IDOK);
        check_window_band(program, session.window, false);
    }
    std::string written, expected, detail;
    wait_until([&] { return file_exists(base + ".out"); });
    read_file(base + ".out", written);
    read_file(settings.expected + "\\" + busy.expected_file, expected);
    check(same_bytes(written, expected, detail), label(program, what + ": the file through the pipe"), detail);
}
