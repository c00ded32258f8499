// yarnok00: the window of the spherical Bessel program. Its second check box
// chooses the function of the second kind, n(n;z), and redraws the formula's head.
#include "formula_text.h"
#include "shell.h"
#include "spherical_bessel.h"

enum { ID_CHK_NEUMANN_FUNCTION = 106 };

static HWND chk_neumann_function;  // the "n(n;z) function" check box

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 55, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 282, 55, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 282, 85, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 252, 115, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 92, 16, 16, NULL, NULL, &chk_output_all},
    {ID_CHK_NEUMANN_FUNCTION, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 117, 16, 16, NULL, NULL,
     &chk_neumann_function},
};

// The box that holds "j(n;z)" or "n(n;z)": the only part of the formula that changes.
static const RECT formula_head = {13, 14, 54, 34};

static void toggle_neumann_function_mode(HWND window)
{
    neumann_function_mode = toggle_check_box(chk_neumann_function);
    InvalidateRect(window, &formula_head, TRUE);
    UpdateWindow(window);
}

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_CHK_NEUMANN_FUNCTION, toggle_neumann_function_mode},
};

// The function of the first kind at start.
static void clear_neumann_function_mode(HWND)
{
    SendMessageA(chk_neumann_function, BM_SETCHECK, 0, 0);
    neumann_function_mode = 0;
}

const ProgramInfo program_info = {
    .class_name = "SPHERICAL_BSL_00",
    .initial_title = "Spherical_Bessel_00",
    .title_en = "Spherical Bessel Polynomials",
    .title_ja = "球ベッセル多項式",
    .width = 370,
    .height_addend = 151,
    .exe_name = "YARNOK00.EXE",
    .readme_name = "YARNOK00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
    .finish_controls = clear_neumann_function_mode,
};

// j(n;z) or n(n;z) = [ s(z) sin(z) + c(z) cos(z) ] / z^(n+1); both texts end
// at the same x, so that switching the kind redraws only the head.
void draw_formula(HDC dc)
{
    static const char j_text[] = "j(n;z) = [ s(z) sin(z) + c(z) cos(z) ] / z";
    static const char n_text[] = "n(n;z) = [ s(z) sin(z) + c(z) cos(z) ] / z";
    HBRUSH brush = CreateSolidBrush(back_color);
    FillRect(dc, &formula_head, brush);
    DeleteObject(brush);
    const char *text = neumann_function_mode ? n_text : j_text;
    int right = 15 + measure_formula_text(dc, n_text, 18, 700).cx;
    draw_bold_text(dc, right - measure_formula_text(dc, text, 18, 700).cx, 15, text, 18);
    draw_sized_text(dc, right, 12, "n+1", 10);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 55, 50, 75};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 90, 110, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
    draw_label(dc, 12, 700, 35, 115, 135, choose_text("n(n;z) function", "n(n;z) 関数"));
}
