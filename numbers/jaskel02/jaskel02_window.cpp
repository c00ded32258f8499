// jaskel02: the window of the GF(2) table program.
#include "formula_text.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     35, 50, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 20, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 50, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 80, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 82, 16, 16, NULL, NULL, &chk_output_all},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
};

const ProgramInfo program_info = {
    .class_name = "JASKEL_POLY_02",
    .initial_title = "Jaskel_Polynomial_02",
    .title_en = "Primitive Polynomial",
    .title_ja = "原始多項式",
    .width = 420,
    .height_addend = 116,
    .exe_name = "JASKEL02.EXE",
    .readme_name = "JASKEL02.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 1,
    .list_last = 1000,
};

// h(x) = x^n + a(n-1) x^(n-1) + ... + a(1) x^1 + 1, a(k) = 0, 1
void draw_formula(HDC dc)
{
    int x = draw_bold_text(dc, 20, 15, "h(x) = ", 18);
    x = draw_with_superscript(dc, x + 1, 15, "x", "n", 10);
    x = draw_bold_text(dc, x + 5, 15, "+", 18);
    x = draw_bold_text(dc, x + 5, 15, "a(n-1)", 18);
    x = draw_with_superscript(dc, x + 1, 15, "x", "n-1", 10);
    x = draw_bold_text(dc, x + 5, 15, "+", 18);
    x = draw_bold_text(dc, x + 5, 12, " ... ", 18);
    x = draw_bold_text(dc, x + 5, 15, "+", 18);
    x = draw_bold_text(dc, x + 5, 15, "a(1)", 18);
    x = draw_with_superscript(dc, x + 1, 15, "x", "1", 10);
    x = draw_bold_text(dc, x + 5, 15, "+", 18);
    draw_bold_text(dc, x + 5, 15, "1", 18);
    draw_bold_text(dc, 155, 38, "[ a(k) = 0, 1 ]", 18);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {10, 50, 30, 70};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 80, 100, choose_text("Output polynomials (deg. 1 to n)", "多項式出力(1次 から n次)"));
}
