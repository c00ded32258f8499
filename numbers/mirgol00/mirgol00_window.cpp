// mirgol00: the window of the Fibonacci program. Its list starts at 1: the
// list value n gives F(n;x), of degree n-1.
#include "fibonacci_window.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 60, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 52, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 82, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 112, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 92, 16, 16, NULL, NULL, &chk_output_all},
    {ID_CHK_EXACT_NUMBERS, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 114, 16, 16, NULL, NULL, &chk_exact_numbers},
};

const ProgramInfo program_info = {
    .class_name = "MIRGOL_POLY_00",
    .initial_title = "Fibonacci_Polynomial_00",
    .title_en = "Fibonacci Polynomial",
    .title_ja = "フィボナッチ多項式",
    .width = 420,
    .height_addend = 146,
    .exe_name = "MIRGOL00.EXE",
    .readme_name = "MIRGOL00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = fibonacci_commands,
    .command_count = fibonacci_command_count,
    .list_first = 1,
    .list_last = 101,
    .finish_controls = clear_exact_numbers,
};

void draw_formula(HDC dc)
{
    draw_fibonacci_sum(dc, 15);
}

void draw_labels(HDC dc)
{
    draw_fibonacci_labels(dc, "Output polynomials (deg. 0 to n-1)", "多項式出力(0次 から n-1次)",
                          "Output accurate Fibonacci numbers", "正確なフィボナッチ数出力");
}
