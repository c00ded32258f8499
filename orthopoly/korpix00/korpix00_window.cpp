// korpix00: the window of the Schläfli program: one check box, no normalization.
#include "formula_text.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 65, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 35, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 65, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 95, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 97, 16, 16, NULL, NULL, &chk_output_all},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
};

const ProgramInfo program_info = {
    .class_name = "SCHLAEFLI_POLY_00",
    .initial_title = "Schlaefli_Polynomial_00",
    .title_en = "Schlaefli Polynomial",
    .title_ja = "シュレフリ多項式",
    .width = 420,
    .height_addend = 131,
    .exe_name = "KORPIX00.EXE",
    .readme_name = "KORPIX00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
};

// S(n;t) = sum over s = 0..[(n-1)/2] of 2^(n-2s) (n-s-1)! / s! t^-(n-2s)
void draw_formula(HDC dc)
{
    SIZE head = measure_formula_text(dc, "S(n;t) =  ", 18, 700);
    int mid = head.cy / 2;
    draw_bold_text(dc, 15, 20, "S(n;t) =  ", 18);
    draw_small_text(dc, head.cx - 3, 5, "[(n-1)/2]");
    draw_sigma(dc, head.cx + 9, 20);
    draw_small_text(dc, head.cx + 4, 37, "s = 0");

    int left = head.cx + 45;
    int top = mid + 17 - measure_formula_text(dc, "2", 18, 700).cy;
    int right = draw_with_superscript(dc, left, top, "2", "n-2s", 10);
    right = draw_bold_text(dc, right + 5, top, "(n-s-1)!", 18);
    draw_bold_text_centred(dc, left, right, mid + 22, "s!", 18);
    draw_fraction_bar(dc, head.cx + 42, mid + 20, right + 3 - (head.cx + 42));
    draw_with_superscript(dc, right + 12, 20, "t", "-(n-2s)", 10);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 65, 50, 85};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 95, 115, choose_text("Output polynomials (deg. 0 to -n)", "多項式出力(0次 から -n次)"));
}
