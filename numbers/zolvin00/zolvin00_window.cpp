// zolvin00: the window of the Bernoulli polynomial program.
#include "formula_text.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 60, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 30, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 60, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 90, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 92, 16, 16, NULL, NULL, &chk_output_all},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
};

const ProgramInfo program_info = {
    .class_name = "BERNOULLI_POLY_00",
    .initial_title = "Bernoulli_Polynomial_00",
    .title_en = "Bernoulli Polynomial",
    .title_ja = "ベルヌーイ多項式",
    .width = 420,
    .height_addend = 126,
    .exe_name = "ZOLVIN00.EXE",
    .readme_name = "ZOLVIN00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
};

// B(n;x) = sum over m = 0..n of nC(n-m) Br(n-m) x^m
void draw_formula(HDC dc)
{
    int x_sum = draw_bold_text(dc, 15, 20, "B(n;x) =  ", 18);
    draw_small_text(dc, x_sum - 2, 5, "n");
    draw_sigma(dc, x_sum - 6, 20);
    draw_small_text(dc, x_sum - 11, 37, "m = 0");
    int x = draw_binomial(dc, x_sum + 18, 20, "n", "n-m", 10);
    x = draw_bold_text(dc, x + 7, 20, "Br(n-m)", 18);
    draw_with_superscript(dc, x + 7, 20, "x", "m", 10);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 60, 50, 80};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 90, 110, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
}
