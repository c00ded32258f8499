// wibsor02: the window of the shifted Legendre program.
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 65, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 65, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 95, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 125, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 102, 16, 16, NULL, NULL, &chk_output_all},
    {ID_CHK_NORMALIZE, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 127, 16, 16, NULL, NULL, &chk_normalize},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_CHK_NORMALIZE, on_toggle_normalize},
};

const ProgramInfo program_info = {
    .class_name = "LEGENDRE_POLY_02",
    .initial_title = "Legendre_Polynomial_02",
    .title_en = "Legendre Polynomial [II]",
    .title_ja = "ルジャンドル多項式 [II]",
    .width = 420,
    .height_addend = 161,
    .exe_name = "WIBSOR02.EXE",
    .readme_name = "WIBSOR02.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
};

// P*(n;x) = P(n;1-2x) = sum over m = 0..n of (-1)^m C(n,m) C(n+m,m) x^m
void draw_formula(HDC dc)
{
    int x = draw_starred_symbol(dc, 15, 20, "P", "*", 18);
    x = draw_with_superscript(dc, x, 20, "(n;x) = P(n;1-2x) =  ", "", 18);
    draw_small_text(dc, x - 2, 5, "n");
    draw_sigma(dc, x - 6, 20);
    draw_small_text(dc, x - 11, 37, "m = 0");
    x = draw_with_superscript(dc, x + 18, 20, "(-1)", "m", 10);
    x = draw_binomial(dc, x + 5, 20, "n", "m", 10);
    x = draw_binomial(dc, x + 7, 20, "n+m", "m", 10);
    draw_with_superscript(dc, x + 7, 20, "x", "m", 10);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 65, 50, 85};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 100, 120, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
    draw_label(dc, 12, 700, 35, 125, 145, choose_text("Coefficient normalization", "係数の基準化"));
}
