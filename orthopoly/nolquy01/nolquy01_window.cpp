// nolquy01: the window of the Tchebycheff T and U~ program.
#include "formula_text.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 60, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 60, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 90, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 120, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 97, 16, 16, NULL, NULL, &chk_output_all},
    {ID_CHK_NORMALIZE, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 122, 16, 16, NULL, NULL, &chk_normalize},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_CHK_NORMALIZE, on_toggle_normalize},
};

const ProgramInfo program_info = {
    .class_name = "TCHEBYCHEFF_POLY_01",
    .initial_title = "Nolquy_Polynomial_01",
    .title_en = "Tchebycheff Polynomials",
    .title_ja = "チェビシェフ多項式",
    .width = 420,
    .height_addend = 156,
    .exe_name = "NOLQUY01.EXE",
    .readme_name = "NOLQUY01.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
};

// T(n;x) = sum over m = 0..[n/2] of (-1)^m 2^(n-2m-1) n/(n-m) C(n-m,m) x^(n-2m)
void draw_formula(HDC dc)
{
    SIZE head = measure_formula_text(dc, "T(n;x) =  ", 18, 700);
    int mid = head.cy / 2;
    draw_bold_text(dc, 15, 20, "T(n;x) =  ", 18);
    draw_small_text(dc, head.cx + 7, 5, "[n/2]");
    draw_sigma(dc, head.cx + 9, 20);
    draw_small_text(dc, head.cx + 4, 37, "m = 0");
    int x = draw_with_superscript(dc, head.cx + 33, 20, "(-1)", "m", 10);
    x = draw_with_superscript(dc, x + 7, 20, "2", "n-2m-1", 10);

    int left = x + 7;
    int right = draw_bold_text(dc, left, mid + 22, " n-m ", 18);
    SIZE n_size = measure_formula_text(dc, "n", 18, 700);
    draw_bold_text(dc, left + (right - left - n_size.cx) / 2, mid + 17 - n_size.cy, "n", 18);
    draw_fraction_bar(dc, left, mid + 20, right - left);

    x = draw_binomial(dc, right + 9, 20, "n-m", "m", 10);
    draw_with_superscript(dc, x + 7, 20, "x", "n-2m", 10);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 60, 50, 80};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 95, 115, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
    draw_label(dc, 12, 700, 35, 120, 140, choose_text("Coefficient normalization", "係数の基準化"));
}
