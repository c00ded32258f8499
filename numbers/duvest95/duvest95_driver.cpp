// duvest95: the roads of Calculation, Save and Tabulation. Save and
// Tabulation have a driver of their own: their own save dialog and
// overwrite prompt, messages that speak of the result, and for the
// tabulation the guards that keep the window unchangeable while it runs.
#include <windows.h>

#include <cstring>

#include "busy_box.h"
#include "duvest95.h"
#include "numeric_entry.h"
#include "q_binomial.h"
#include "q_binomial_files.h"
#include "screen_saver.h"
#include "shell.h"
#include "shell_rules.h"

static void show_message(HWND window, const char *text_en, const char *text_ja, const char *caption_en,
                         const char *caption_ja, UINT icon)
{
    MessageBoxA(window, choose_text(text_en, text_ja), choose_text(caption_en, caption_ja), icon);
}

void clear_result_box()
{
    char shown[32];
    memset(shown, 0, sizeof shown);
    SendMessageA(result_box, WM_GETTEXT, 30, (LPARAM)shown);
    if (shown[0] != '\0')
        SendMessageA(result_box, WM_SETTEXT, 0, (LPARAM) "");
    memset(result_text, 0, sizeof result_text);
}

void clear_result_buffer()
{
    memset(result_text, 0, sizeof result_text);
}

// Reads q from its box into q_value; 0 after the message of an empty box or
// of a refused value (which empties the box).
static int read_q(HWND window)
{
    char text[NUMERIC_BUF_SIZE];
    read_numeric_entry(edit_q, text);
    switch (read_q_text(text, &q_value)) {
    case Q_EMPTY:
        report_empty_entry(window, edit_q, "No numerical value in the Editbox (q)!",
                           "エディットボックス (q) に数値がありません!");
        return 0;
    case Q_REFUSED:
        report_value_out_of_range(window, edit_q, "The numerical value of q : 0 <= q <= 10",
                                  "q の数値： 0 <= q <= 10");
        return 0;
    default:
        return 1;
    }
}

void on_calculate_q_binomial(HWND window)
{
    n_value = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0) + 1;
    m_value = (int)SendMessageA(combo_m, CB_GETCURSEL, 0, 0);
    if (!read_q(window))
        return;
    InvalidateRect(window, NULL, TRUE);
    UpdateWindow(window);
    SetCursor(LoadCursorA(NULL, IDC_WAIT));
    show_busy_box(window, BUSY_BOX);

    compute_table(n_value, m_value, q_value);
    SendMessageA(result_box, WM_SETTEXT, 0, (LPARAM)result_text);

    hide_busy_box(window, BUSY_BOX);
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
}

// Save and Tabulation speak of the result.
static const SaveWords result_words = {
    .dialog_title_en = "Assign a file to save the result.",
    .dialog_title_ja = "結果を保存するファイル名の選択",
    .remote_disk_en = "Unable to save the result to the remote disk.",
    .remote_disk_ja = "リモート・ディスクへは結果をセーブできません.",
    .cannot_create_en = "Unable to create a file to save the result.",
    .cannot_create_ja = "結果を保存するためのファイルを作成できません.",
    .write_failed_deleted_en = "Unable to write the result to the file.\nThe incomplete file has been deleted.",
    .write_failed_deleted_ja = "結果をファイルに書き込めません.\n不完全なファイルは削除されました.",
    .write_failed_kept_en = "Unable to write the result to the file.\nThe file is incomplete.",
    .write_failed_kept_ja = "結果をファイルに書き込めません.\nファイルは不完全です.",
};

// 1 when the file does not exist yet or the user agrees to overwrite it.
static int may_write_over(HWND window, const char *path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return 1;
    FindClose(search);
    int answer = MessageBoxA(window,
                             choose_text("File already exists.  Do you overwrite it ?",
                                         "ファイルは既に存在します.  上書きしますか?"),
                             choose_text("Warning", "警告"), MB_YESNO | MB_ICONWARNING);
    return answer == IDYES;
}

// The save dialog, the overwrite prompt, the drive, space (estimate + 1000
// bytes) and extension tests, then the file created; path (PATH_BUF_SIZE
// bytes) receives the name. NULL when one of them refused (reported, or
// silent for a cancel and a No).
static FILE *open_result_file(HWND window, char *path, const ResultFileKind &kind, unsigned long estimate)
{
    // the dialog without its own overwrite prompt: the program asks itself
    if (!ask_save_file_name(window, path, kind, result_words, 0) || !may_write_over(window, path))
        return NULL;
    if (!target_is_acceptable_for(window, path, (long)estimate, kind, result_words))
        return NULL;
    return create_result_file_for(window, path, result_words);
}

static void report_saved(HWND window, const char *path, const char *tail_en, const char *tail_ja,
                         const char *caption_en, const char *caption_ja)
{
    char text[MESSAGE_BUF_SIZE];
    if (is_japanese)
        snprintf(text, sizeof text, "結果は下記のファイルに保存されました;\n  %.258s%s", path, tail_ja);
    else
        snprintf(text, sizeof text, "The result has been saved in the file\n  %.258s%s", path, tail_en);
    MessageBoxA(window, text, choose_text(caption_en, caption_ja), MB_ICONINFORMATION);
}

void save_text_result(HWND window)
{
    if (result_text[0] == '\0') {
        show_message(window, "No calculation result.", "計算結果がありません.", "Error", "エラー", MB_ICONERROR);
        return;
    }
    char path[PATH_BUF_SIZE];
    FILE *file = open_result_file(window, path, text_file, (unsigned long)strlen(result_text) + 100);
    if (file == NULL)
        return;
    SetCursor(LoadCursorA(NULL, IDC_WAIT));
    write_text_result(file);
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    if (!close_written_file(file)) {
        report_failed_write(window, path, result_words);
        return;
    }
    report_saved(window, path, ".", ".", "Information", "お知らせ");
}

// The five push buttons, enabled or not.
static void enable_buttons(BOOL enable)
{
    EnableWindow(btn_about, enable);
    EnableWindow(btn_save, enable);
    EnableWindow(btn_exit, enable);
    EnableWindow(btn_calc, enable);
    EnableWindow(btn_tabulation, enable);
}

// The window's place in the z-order: HWND_TOPMOST or HWND_NOTOPMOST,
// position and size unchanged.
static void set_topmost(HWND window, HWND place)
{
    HDWP positions = BeginDeferWindowPos(1);
    positions = DeferWindowPos(positions, window, place, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EndDeferWindowPos(positions);
}

// The caption's Close button shows the state of the system menu's Close only
// when the frame is drawn again: a window without a menu bar does not always
// get that from DrawMenuBar (seen under Wine), so the frame is redrawn here.
static void redraw_caption(HWND window)
{
    RedrawWindow(window, NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

// While the tabulation runs: Close greyed, the buttons disabled, the screen
// saver off, the busy box shown and the window kept on top.
static void guards_on(HWND window)
{
    tabulation_mode = 1;
    tables_written = 0;
    HMENU menu = GetSystemMenu(window, FALSE);
    char close_text[64];
    memset(close_text, 0, sizeof close_text);
    GetMenuStringA(menu, SC_CLOSE, close_text, 62, MF_BYCOMMAND);
    ModifyMenuA(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED, SC_CLOSE, close_text);
    DrawMenuBar(window);
    redraw_caption(window);
    enable_buttons(FALSE);
    InvalidateRect(window, NULL, TRUE);
    UpdateWindow(window);
    suspend_screen_saver();
    SetCursor(LoadCursorA(NULL, IDC_WAIT));
    show_busy_box(window, BUSY_BOX);
    set_topmost(window, HWND_TOPMOST);
}

// Every guard off again; the window is brought to the front once a message
// loop runs again.
static void guards_off(HWND window)
{
    set_topmost(window, HWND_NOTOPMOST);
    hide_busy_box(window, BUSY_BOX);
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    resume_screen_saver();
    enable_buttons(TRUE);
    GetSystemMenu(window, TRUE);  // the default menu, with Close enabled
    DrawMenuBar(window);
    redraw_caption(window);
    PostMessageA(window, WM_BRING_TO_FRONT, 0, 0);
    tables_written = 0;
    tabulation_mode = 0;
}

void save_q_binomial_table(HWND window)
{
    n_value = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0) + 1;
    if (!read_q(window))
        return;
    char path[PATH_BUF_SIZE];
    FILE *file = open_result_file(window, path, spreadsheet_file, (unsigned long)tabulation_size_estimate(n_value, 0));
    if (file == NULL)
        return;

    guards_on(window);
    write_tabulation(file, n_value);
    guards_off(window);

    int written = close_written_file(file);
    Sleep(100);
    clear_result_buffer();
    SendMessageA(result_box, WM_SETTEXT, 0, (LPARAM) "");
    if (!written) {
        report_failed_write(window, path, result_words);
        return;
    }
    report_saved(window, path, ".\nDouble click the file, then you can read the result.",
                 "\nファイルをダブルクリックすると結果を読めます.", "Success", "成功");
}

// The screen-saver setting of the system, without SPIF_UPDATEINIFILE: the
// change lasts for the session and is never written anywhere.
static int query_screen_saver(int *active)
{
    BOOL value = FALSE;
    BOOL ok = SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &value, 0);
    *active = value ? 1 : 0;
    return ok ? 1 : 0;
}

static int switch_screen_saver_to(int active)
{
    return SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, NULL, SPIF_SENDWININICHANGE) ? 1 : 0;
}

static const ScreenSaverAccess SYSTEM_SCREEN_SAVER = {query_screen_saver, switch_screen_saver_to};

void suspend_screen_saver()
{
    suspend_screen_saver_through(SYSTEM_SCREEN_SAVER);
}

void resume_screen_saver()
{
    resume_screen_saver_through(SYSTEM_SCREEN_SAVER);
}
