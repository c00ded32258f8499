// tovex00: the window of the Euler polynomial program.
#include "formula_text.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 60, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 60, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 90, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 120, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 122, 16, 16, NULL, NULL, &chk_output_all},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
};

const ProgramInfo program_info = {
    .class_name = "EULER_POLY_00",
    .initial_title = "Euler_Polynomial_00",
    .title_en = "Euler Polynomial",
    .title_ja = "オイラー多項式",
    .width = 420,
    .height_addend = 156,
    .exe_name = "TOVEX00.EXE",
    .readme_name = "TOVEX00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
};

// A square bracket in Helv 24/400, its rectangle from y = 15; returns the x
// just right of it.
static int draw_bracket(HDC dc, int x, const char *bracket)
{
    return x + draw_helv_text(dc, x, 15, bracket, 24, 400, DT_SINGLELINE | DT_VCENTER).cx;
}

// E(n;x) = sum over m = 0..n of nC(n-m) [ sum over s = 0..n-m of
// (-1)^s (n-m)C(s) Er(n-m-s) / 2^(n-m) ] x^m, with the Euler numbers Er
void draw_formula(HDC dc)
{
    int x_sum = draw_bold_text(dc, 15, 20, "E(n;x) =  ", 18);
    draw_small_text(dc, x_sum - 2, 5, "n");
    draw_sigma(dc, x_sum - 6, 20);
    draw_small_text(dc, x_sum - 11, 37, "m = 0");
    int x = draw_binomial(dc, x_sum + 18, 20, "n", "n-m", 10);
    int y_sum = draw_bracket(dc, x + 7, "[") + 12;
    draw_small_text(dc, y_sum - 8, 5, "n-m");
    draw_sigma(dc, y_sum - 6, 20);
    draw_small_text(dc, y_sum - 8, 37, "s = 0");
    x = draw_with_superscript(dc, y_sum + 15, 20, "(-1)", "s", 10);
    x = draw_binomial(dc, x + 5, 20, "n-m", "s", 10);
    x = draw_bold_text(dc, x + 5, 20, "Er(n-m-s) /", 18);
    x = draw_with_superscript(dc, x + 5, 20, "2", "n-m", 10);
    x = draw_bracket(dc, x + 7, "]");
    draw_with_superscript(dc, x + 7, 20, "x", "m", 10);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 60, 50, 80};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 120, 140, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
}
