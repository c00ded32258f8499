// s_vomb00: the window of the program of the polynomials W(n-1;z). Its list
// starts at 1: the list value n gives the polynomial of degree n-1.
#include "formula_text.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 55, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 55, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 85, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 115, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 92, 16, 16, NULL, NULL, &chk_output_all},
    {ID_CHK_NORMALIZE, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 117, 16, 16, NULL, NULL, &chk_normalize},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_CHK_NORMALIZE, on_toggle_normalize},
};

const ProgramInfo program_info = {
    .class_name = "S_PLOY_BY_VOMBR_00",
    .initial_title = "S_Poly_by_Vombr_00",
    .title_en = "Legendre Polynomial [III]",
    .title_ja = "ルジャンドル多項式 [III]",
    .width = 420,
    .height_addend = 151,
    .exe_name = "S_VOMB00.EXE",
    .readme_name = "S_VOMB00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 1,
    .list_last = 101,
};

// W_(n-1)(z) = 0.5 P_n(z) ln[(z+1)/(z-1)] - Q_n(z): the defining relation,
// the subscripts 6 pixels below the line in the same font.
void draw_formula(HDC dc)
{
    int x = draw_bold_text(dc, 15, 20, "W", 18);
    x = draw_bold_text(dc, x, 26, "n-1", 18);
    x = draw_bold_text(dc, x, 20, "(z) = 0.5 P", 18);
    x = draw_bold_text(dc, x, 26, "n", 18);
    x = draw_bold_text(dc, x, 20, "(z) ln[(z+1)/(z-1)] - Q", 18);
    x = draw_bold_text(dc, x, 26, "n", 18);
    draw_bold_text(dc, x, 20, "(z)", 18);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 55, 50, 75};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 90, 110, choose_text("Output polynomials (deg. 0 to n-1)", "多項式出力(0次 から n-1次)"));
    draw_label(dc, 12, 700, 35, 115, 135, choose_text("Coefficient normalization", "係数の基準化"));
}
