#include "numeric_entry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell.h"

static HFONT edit_font;                // the edit boxes' font, Helv 12/400 in both languages
static HWND entry_boxes[2];            // the boxes that hold edit_font, the first and the second
static HDC entry_dcs[2];               // their device contexts, kept for the program's life
static HGDIOBJ entry_old_objects[2];   // what those contexts held before edit_font

// A press of the left button at a client point of the edit box: it takes
// the focus and puts its caret at the character boundary nearest the point.
static void click_numeric_entry(HWND edit, int x, int y)
{
    SetCapture(edit);
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((WORD)x, (WORD)y));
    ReleaseCapture();
}

void filter_numeric_entry(HWND edit, int form)
{
    char text[NUMERIC_BUF_SIZE];
    memset(text, 0, sizeof text);
    SendMessageA(edit, WM_GETTEXT, NUMERIC_READ_SIZE, (LPARAM)text);
    char replacement[NUMERIC_BUF_SIZE];
    int offset = 0;
    if (!repair_numeric_text(text, form, replacement, &offset))
        return;
    POINT caret = {0, 0};
    GetCaretPos(&caret);  // taken before the replacement moves it
    SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)replacement);
    click_numeric_entry(edit, caret.x + offset, caret.y + 3);
}

void clear_numeric_entry(HWND edit)
{
    SendMessageA(edit, WM_SETTEXT, 0, (LPARAM) "");
}

void focus_numeric_entry(HWND edit)
{
    click_numeric_entry(edit, 10, 3);
}

void set_edit_fonts(HWND first, HWND second)
{
    LOGFONTA record;
    edit_font = CreateFontIndirectA(make_logfont(&record, 12, 400));
    entry_boxes[0] = first;
    entry_boxes[1] = second;
    for (int i = 0; i < 2; i++)
        if (entry_boxes[i]) {
            entry_dcs[i] = GetDC(entry_boxes[i]);
            entry_old_objects[i] = SelectObject(entry_dcs[i], edit_font);
        }
    for (int i = 0; i < 2; i++)
        if (entry_boxes[i])
            SendMessageA(entry_boxes[i], WM_SETFONT, (WPARAM)edit_font, TRUE);
}

void release_edit_fonts()
{
    for (int i = 1; i >= 0; i--)
        if (entry_dcs[i]) {
            SelectObject(entry_dcs[i], entry_old_objects[i]);
            ReleaseDC(entry_boxes[i], entry_dcs[i]);
            entry_dcs[i] = NULL;
        }
    if (edit_font) {
        DeleteObject(edit_font);
        edit_font = NULL;
    }
}

// The shell creates its controls without extended styles: the edge is added
// afterwards and the frame recomputed.
static void give_static_edge(HWND edit)
{
    LONG_PTR style = GetWindowLongPtrA(edit, GWL_EXSTYLE);
    SetWindowLongPtrA(edit, GWL_EXSTYLE, style | WS_EX_STATICEDGE);
    SetWindowPos(edit, NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void finish_numeric_entries(HWND first, HWND second)
{
    give_static_edge(first);
    if (second)
        give_static_edge(second);
    set_edit_fonts(first, second);
    SendMessageA(first, EM_LIMITTEXT, NUMERIC_TEXT_LIMIT, 0);
    if (second)
        SendMessageA(second, EM_LIMITTEXT, NUMERIC_TEXT_LIMIT, 0);
}

void read_numeric_entry(HWND edit, char *text)
{
    memset(text, 0, NUMERIC_BUF_SIZE);
    SendMessageA(edit, WM_GETTEXT, NUMERIC_READ_SIZE, (LPARAM)text);
}

void report_empty_entry(HWND window, HWND edit, const char *text_en, const char *text_ja)
{
    MessageBoxA(window, choose_text(text_en, text_ja), choose_text("Error", "エラー"), MB_ICONERROR);
    focus_numeric_entry(edit);
}

void report_value_out_of_range(HWND window, HWND edit, const char *text_en, const char *text_ja)
{
    MessageBoxA(window, choose_text(text_en, text_ja), choose_text("Information", "お知らせ"), MB_ICONINFORMATION);
    clear_numeric_entry(edit);
    focus_numeric_entry(edit);
}

// The message for an empty box, naming it as its label does: "(a:)".
static void report_empty_parameter(HWND window, const TypedParameter &parameter)
{
    char text[MESSAGE_BUF_SIZE];
    if (is_japanese)
        snprintf(text, sizeof text, "エディットボックス (%s:) に数値がありません!", parameter.name);
    else
        snprintf(text, sizeof text, "No numerical value in the Editbox (%s:)!", parameter.name);
    report_empty_entry(window, *parameter.edit, text, text);
}

static int parameter_in_range(const TypedParameter &parameter)
{
    if (parameter.low_is_open)
        return value_in_half_open_range(*parameter.value, parameter.low, parameter.high);
    return value_in_closed_range(*parameter.value, parameter.low, parameter.high);
}

int read_typed_parameters(HWND window, const TypedParameter *parameters, int count)
{
    char texts[MAX_TYPED_PARAMETERS][NUMERIC_BUF_SIZE];
    for (int i = 0; i < count && i < MAX_TYPED_PARAMETERS; i++) {
        read_numeric_entry(*parameters[i].edit, texts[i]);
        if (texts[i][0] == '\0') {
            report_empty_parameter(window, parameters[i]);
            return 0;
        }
    }
    for (int i = 0; i < count && i < MAX_TYPED_PARAMETERS; i++) {
        const TypedParameter &parameter = parameters[i];
        *parameter.value = atof(texts[i]);
        if (!parameter_in_range(parameter)) {
            report_value_out_of_range(window, *parameter.edit, parameter.range_en, parameter.range_ja);
            return 0;
        }
    }
    return 1;
}
