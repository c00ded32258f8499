// ruslam00: the expansion of a product of linear factors whose constants are
// read from the clipboard. Its own frame: a formula picture, a bar of bitmap
// buttons, a "Complex number" check box, an About dialog with OK only and a
// PDF manual opened with the system's viewer.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>

#include "clipboard_list.h"
#include "factor_expansion.h"
#include "icon_bar.h"
#include "shell.h"

enum { ID_CHK_COMPLEX = 110, FORMULA_X = 0, FORMULA_Y = 23, FORMULA_WIDTH = 330, FORMULA_HEIGHT = 132 };

static const char *const TITLE_EN = "Expansion of Factorial Powers";
static const char *const TITLE_JA = "因数分解式の展開";

COLORREF text_color;
COLORREF back_color;
static HWND chk_complex;          // the "Complex number" check box, once 1226 has created it
static HDC formula_dc;            // holds the formula picture for the program's life
static HBITMAP formula_bitmap;
static HGDIOBJ formula_old_bitmap;
static char manual_path[PATH_BUF_SIZE];  // the PDF manual beside the executable; empty when not found

int WINAPI WinMain(HINSTANCE this_instance, HINSTANCE, LPSTR, int show)
{
    set_extended_precision();
    instance = this_instance;
    if (!create_main_window("EXPAND_EQ_00", "Expand_Equ_00", 336, 161, main_window_proc, show))
        return 0;
    create_icon_bar(main_window);
    return run_message_loop();
}

static void message_box(HWND owner, const char *text_en, const char *text_ja, UINT icon)
{
    MessageBoxA(owner, choose_text(text_en, text_ja), choose_text("Error", "エラー"), icon);
}

// The manual is RUSLAM00.PDF (RUSLAM0J.PDF in Japanese) beside the executable.
static void find_manual()
{
    char found[PATH_BUF_SIZE];
    memset(found, 0, sizeof found);
    DWORD length = SearchPathA(NULL, "RUSLAM00.EXE", NULL, 256, found, NULL);
    memset(manual_path, 0, sizeof manual_path);
    if (length < 5 || length >= 256)
        return;
    found[length - 5] = '\0';  // without ".EXE" and the "0" before it
    strcpy(manual_path, found);
    strcat(manual_path, choose_text("0.PDF", "J.PDF"));
}

void create_controls(HWND window)
{
    if (FindWindowExA(NULL, NULL, NULL, TITLE_EN) || FindWindowExA(NULL, NULL, NULL, TITLE_JA)) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    SetWindowTextA(window, choose_text(TITLE_EN, TITLE_JA));
    find_manual();

    formula_bitmap = LoadBitmapA(instance, "IBMP_1");
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    HDC window_dc = GetDC(window);
    formula_dc = CreateCompatibleDC(window_dc);
    formula_old_bitmap = SelectObject(formula_dc, formula_bitmap);
    BitBlt(window_dc, FORMULA_X, FORMULA_Y, FORMULA_WIDTH, FORMULA_HEIGHT, formula_dc, 0, 0, SRCCOPY);
    ReleaseDC(window, window_dc);

    PostMessageA(window, WM_PLACE_ICON_BAR, 0, 0);  // the bar is placed once creation has finished
}

// The check box's caption, painted beside it on the button face.
void draw_labels(HDC dc)
{
    LOGFONTA font;
    memset(&font, 0, sizeof font);
    font.lfWeight = 400;
    int x = 204, y;
    if (is_japanese) {
        font.lfHeight = 12;
        font.lfCharSet = SHIFTJIS_CHARSET;
        strcpy(font.lfFaceName, "ＭＳ Ｐゴシック");
        y = 5;
    } else {
        int nt_family = os_kind == OS_NT4 || os_kind == OS_WIN2000 || os_kind == OS_NT_LATER;
        font.lfHeight = nt_family ? 15 : 12;
        font.lfCharSet = OEM_CHARSET;
        strcpy(font.lfFaceName, "Helv");
        y = nt_family ? 3 : 4;
    }
    HFONT handle = CreateFontIndirectA(&font);
    HGDIOBJ old_font = SelectObject(dc, handle);
    SetTextColor(dc, text_color);
    SetBkColor(dc, back_color);
    SetBkMode(dc, OPAQUE);
    const char *text = choose_text("Complex number", "複素数データ");
    TextOutA(dc, x, y, text, lstrlenA(text));
    SelectObject(dc, old_font);
    DeleteObject(handle);
}

void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    BitBlt(ps.hdc, FORMULA_X, FORMULA_Y, FORMULA_WIDTH, FORMULA_HEIGHT, formula_dc, 0, 0, SRCCOPY);
    draw_labels(ps.hdc);
    EndPaint(window, &ps);
}

// The six refusals of the clipboard list, by ListReading.
struct ListRefusal {
    const char *text_en;
    const char *text_ja;
    UINT icon_en, icon_ja;
};

static const ListRefusal list_refusals[] = {
    {NULL, NULL, 0, 0},
    {"No text data on the Clipboard.\nPlease refer to the help file (RUSLAM00.PDF).",
     "クリップボードにテキストデータがありません.\nヘルプファイル(RUSLAM0J.PDF)を参照してください.", MB_ICONERROR,
     MB_ICONERROR},
    {"Incorrect Clipboard data.\nNot copied data from Excel.",
     "クリップボードのデータが不正です.\nExcelのデータのコピーではありません.", MB_ICONERROR, MB_ICONERROR},
    {"No proper data on the Clipboard.\nPlease refer to the help file (RUSLAM00.PDF).\nComplex number data?",
     "クリップボードに適切なデータがありません.\nヘルプファイル(RUSLAM0J.PDF)を参照してください.\n複素数データでは？",
     MB_ICONERROR, MB_ICONERROR},
    {"E-10 <= exponent of the numerical value <= E10", "E-10 <= 数値の冪指数 <= E10", MB_ICONERROR, MB_ICONERROR},
    {"More than 44 characters forming the numerical value.", "入力数値の文字数が４４以上です.", MB_ICONERROR,
     MB_ICONERROR},
    {"Maximum data array is 100.", "データの最大個数は１００です!", MB_ICONWARNING, MB_ICONERROR},
};

// A private copy of the clipboard's text (length + 2 zeroed bytes), or NULL
// when it holds none; *length receives the text's length.
static HGLOBAL copy_clipboard_text(HWND window, size_t *length)
{
    HGLOBAL copy = NULL;
    OpenClipboard(window);
    HANDLE data = GetClipboardData(CF_TEXT);
    const char *text = data ? (const char *)GlobalLock(data) : NULL;
    if (text) {
        *length = strlen(text);
        copy = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, *length + 2);
        char *bytes = copy ? (char *)GlobalLock(copy) : NULL;
        if (bytes) {
            memcpy(bytes, text, *length);
            GlobalUnlock(copy);
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return copy;
}

// Reads the constants from the clipboard into factor_re, factor_im and
// last_factor_index; 0 after a refusal, its message shown.
int read_clipboard_data(HWND window)
{
    size_t length = 0;
    HGLOBAL copy = copy_clipboard_text(window, &length);
    const char *text = copy ? (const char *)GlobalLock(copy) : NULL;
    int reading = read_factor_list(text, length, complex_input, factor_re, factor_im, &last_factor_index);
    if (copy) {
        GlobalUnlock(copy);
        GlobalFree(copy);
    }
    if (reading == LIST_ACCEPTED)
        return 1;
    const ListRefusal &refusal = list_refusals[reading];
    message_box(window, refusal.text_en, refusal.text_ja, is_japanese ? refusal.icon_ja : refusal.icon_en);
    return 0;
}

// The save road: the dialog, the Expand button repainted after it, the
// drive, space and extension tests, then the one table written.
void save_solution(HWND window)
{
    char path[PATH_BUF_SIZE];
    int named = ask_file_name(window, path);
    RECT expand_strip = {15, 0, 47, 20};
    InvalidateRect(window, &expand_strip, TRUE);
    UpdateWindow(window);
    if (!named || !target_is_acceptable(window, path, expansion_size_estimate()))
        return;
    FILE *file = create_result_file(window, path);
    if (file == NULL)
        return;
    write_table(file);
    if (close_result_file(window, file, path))
        report_success(window, path);
}

void on_calculate(HWND window)
{
    clear_expansion();
    if (!read_clipboard_data(window))
        return;
    SetCursor(LoadCursorA(NULL, IDC_WAIT));
    compute_table();
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    // no infinity or lost value is ever written: such a product is refused before the dialog
    if (!expansion_in_range()) {
        message_box(window,
                    "The coefficients of this product leave the range of extended-precision\n"
                    "numbers (about 3.4E-4932 to 1.2E+4932) and cannot be computed.\n"
                    "No file is written.",
                    "この積の係数は拡張精度の数の範囲 (約 3.4E-4932 ～ 1.2E+4932)\n"
                    "を超えるため計算できません.\nファイルは作成されません.",
                    MB_ICONERROR);
        return;
    }
    save_solution(window);
}

INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == 1)
            EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}

void show_about_dialog(HWND window)
{
    const char *name = is_japanese ? "ABOUT_DLG_J" : "ABOUT_DLG";
    if (DialogBoxParamA(instance, name, window, about_dialog_proc, 0) == -1)
        MessageBoxA(NULL, choose_text("Unable to display dialog box.", "ダイアログを表示できません"),
                    choose_text("System Error", "システム・エラー"), MB_SYSTEMMODAL | MB_ICONERROR);
}

// Help: the manual opened with the viewer that the system has for PDF files.
static void open_pdf_manual(HWND window)
{
    WIN32_FIND_DATAA found;
    HANDLE search = manual_path[0] ? FindFirstFileA(manual_path, &found) : INVALID_HANDLE_VALUE;
    if (search == INVALID_HANDLE_VALUE) {
        message_box(window, "Install the readme file (RUSLAM00.PDF)\nin the same directory.",
                    "説明書ファイル（RUSLAM0J.PDF）を同じ\nフォルダーに入れてください.", MB_ICONERROR);
        return;
    }
    if ((INT_PTR)ShellExecuteA(window, "open", manual_path, NULL, NULL, SW_SHOWNORMAL) <= 32)
        message_box(window,
                    "Unable to open the readme file (RUSLAM00.PDF)\nbecause of being NO software to read PDF documents.",
                    "PDF 文書の閲覧ソフトが無いので、\n説明書（RUSLAM0J.PDF）を開けません.", MB_ICONERROR);
    FindClose(search);
}

static void toggle_complex_input()
{
    complex_input = toggle_check_box(chk_complex);
}

// The check box is created once the bar has been placed.
static void create_complex_box(HWND window)
{
    chk_complex = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 185, 4, 14, 14, window,
                                  (HMENU)ID_CHK_COMPLEX, instance, NULL);
    ShowWindow(chk_complex, SW_SHOW);
}

// Both the Exit command and WM_DESTROY: the loop ends with exit code 0.
void release_resources()
{
    if (formula_dc) {
        SelectObject(formula_dc, formula_old_bitmap);
        DeleteDC(formula_dc);
        formula_dc = NULL;
    }
    if (formula_bitmap) {
        DeleteObject(formula_bitmap);
        formula_bitmap = NULL;
    }
    PostQuitMessage(0);
}

static void on_command(HWND window, int id)
{
    if (id >= 101 && id <= 104)
        hide_hover_label(window);
    switch (id) {
    case 101:
        on_calculate(window);
        break;
    case 102:
        show_about_dialog(window);
        break;
    case 103:
        open_pdf_manual(window);
        break;
    case 104:
        release_resources();
        break;
    case ID_CHK_COMPLEX:
        toggle_complex_input();
        break;
    }
}

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        back_color = GetSysColor(COLOR_BTNFACE);  // the labels and the bar's top line
        text_color = GetSysColor(COLOR_BTNTEXT);
        detect_language(window);
        detect_os_version();
        create_controls(window);
        return 0;
    case WM_PAINT:
        on_paint(window);
        return 0;
    case WM_SETCURSOR: {
        LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        update_hover_label(window);
        return result;
    }
    case WM_COMMAND:
        on_command(window, LOWORD(wParam));  // the notification code is not looked at
        return 0;
    case WM_PLACE_ICON_BAR:
        place_icon_bar(window);
        return 0;
    case WM_CREATE_COMPLEX_BOX:
        create_complex_box(window);
        return 0;
    case WM_DESTROY:
        release_resources();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
