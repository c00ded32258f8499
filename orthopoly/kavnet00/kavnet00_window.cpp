// kavnet00: the window of the Hermite program with a parameter.
#include "shell.h"

#include "formula_text.h"
#include "numeric_entry.h"
#include "one_parameter_window.h"

#define WM_PLACE_INITIAL_CARET (WM_USER + 3)  // posted once at creation: the caret goes behind the default "1"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 80, 70, 200, NULL, NULL, &combo_degree},
    {ID_PARAMETER, "EDIT", NUMERIC_ENTRY_STYLE, 192, 80, 90, 20, NULL, NULL, &edit_a},
    {ID_PARAM_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 50, 70, 20, "About", "御案内", &btn_about},
    {ID_PARAM_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 80, 70, 20, "Exit", "終了", &btn_exit},
    {ID_PARAM_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 110, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_PARAM_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 112, 16, 16, NULL, NULL, &chk_output_all},
};

// The edit box starts with "1"; the caret is placed once the window is shown.
static void finish_controls(HWND window)
{
    finish_numeric_entries(edit_a, NULL);
    SetWindowTextA(edit_a, "1");
    PostMessageA(window, WM_PLACE_INITIAL_CARET, 0, 0);
}

// A press of the left button just behind the caret, which stands after the
// default text once the box has the focus.
static void place_initial_caret()
{
    Sleep(300);
    SetFocus(edit_a);
    POINT caret = {0, 0};
    GetCaretPos(&caret);
    SetCapture(edit_a);
    SendMessageA(edit_a, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((WORD)(caret.x + 10), (WORD)(caret.y + 3)));
    ReleaseCapture();
}

static int on_message(HWND, UINT message, WPARAM, LPARAM, LRESULT *result)
{
    if (message != WM_PLACE_INITIAL_CARET)
        return 0;
    place_initial_caret();
    *result = 0;
    return 1;
}

const ProgramInfo program_info = {
    .class_name = "HERMITE_POLY_00",
    .initial_title = "Hermite_Polynomial_00",
    .title_en = "Hermite Polynomial",
    .title_ja = "エルミート多項式",
    .width = 420,
    .height_addend = 146,
    .exe_name = "KAVNET00.EXE",
    .readme_name = "KAVNET00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = one_parameter_commands,
    .command_count = one_parameter_command_count,
    .list_first = 0,
    .list_last = 100,
    .finish_controls = finish_controls,
    .on_message = on_message,
    .release_extras = release_parameter_a,
};

// H(a,n;x) = sum over m = 0..[n/2] of (-a)^m (2m - 1)!! C(n,2m) x^(n-2m)
void draw_formula(HDC dc)
{
    int x_sum = draw_with_superscript(dc, 15, 20, "H(a,n;x) =  ", "", 18);
    draw_range_line(dc, 15, 56, 312, "[ -10 <= a <= 10 ]");
    draw_small_text(dc, x_sum - 11, 5, "[n/2]");
    draw_sigma(dc, x_sum - 6, 20);
    draw_small_text(dc, x_sum - 11, 37, "m = 0");
    int x = draw_with_superscript(dc, x_sum + 18, 20, "(-a)", "m", 10);
    x = draw_bold_text(dc, x + 7, 20, "(2m - 1)!!", 18);
    x = draw_binomial(dc, x + 7, 20, "n", "2m", 10);
    draw_with_superscript(dc, x + 7, 20, "x", "n-2m", 10);
}

void draw_labels(HDC dc)
{
    static const ParameterLabels labels = {
        {35, 80, 50, 100}, "a:", {172, 80, 187, 100},
        110, "Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)", 0,
    };
    draw_parameter_labels(dc, labels);
}
