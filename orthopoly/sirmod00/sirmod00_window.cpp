// sirmod00: the window of the Laguerre program.
#include "shell.h"

#include "formula_text.h"
#include "numeric_entry.h"
#include "one_parameter_window.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 80, 70, 200, NULL, NULL, &combo_degree},
    {ID_PARAMETER, "EDIT", NUMERIC_ENTRY_STYLE, 212, 80, 100, 20, NULL, NULL, &edit_a},
    {ID_PARAM_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 80, 70, 20, "About", "御案内", &btn_about},
    {ID_PARAM_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 110, 70, 20, "Exit", "終了", &btn_exit},
    {ID_PARAM_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 140, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_PARAM_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 117, 16, 16, NULL, NULL, &chk_output_all},
    {ID_PARAM_CHK_NORMALIZE, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 142, 16, 16, NULL, NULL, &chk_normalize},
};

const ProgramInfo program_info = {
    .class_name = "LAGUERRE_POLY_00",
    .initial_title = "Laguerre_Polynomial_00",
    .title_en = "Laguerre Polynomial",
    .title_ja = "ラゲール多項式",
    .width = 420,
    .height_addend = 176,
    .exe_name = "SIRMOD00.EXE",
    .readme_name = "SIRMOD00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = one_parameter_commands,
    .command_count = one_parameter_command_count,
    .list_first = 0,
    .list_last = 100,
    .finish_controls = finish_parameter_a,
    .release_extras = release_parameter_a,
};

// L(a,n;x) = sum over m = 0..n of (-1)^m C(n+a,n-m) x^m / m!
void draw_formula(HDC dc)
{
    const char *head = "L(a,n;x) =  ";
    int x_sum = draw_with_superscript(dc, 15, 20, head, "", 18);
    int head_height = measure_formula_text(dc, head, 18, 700).cy;
    int x_height = measure_formula_text(dc, "x", 18, 700).cy;
    draw_range_line(dc, 15, 56, 312, "[ -10 <= a <= 10 ]");
    draw_small_text(dc, x_sum - 2, 5, "n");
    draw_sigma(dc, x_sum - 6, 20);
    draw_small_text(dc, x_sum - 11, 37, "m = 0");
    int x = draw_with_superscript(dc, x_sum + 18, 20, "(-1)", "m", 10);
    int b = draw_binomial(dc, x + 5, 20, "n+a", "n-m", 10);
    int numerator_end = draw_with_superscript(dc, b + 11, head_height / 2 - x_height + 17, "x", "m", 10);
    draw_bold_text(dc, b + 11, head_height / 2 + 22, "m!", 18);
    draw_fraction_bar(dc, b + 7, head_height / 2 + 20, numerator_end - b - 4);
}

void draw_labels(HDC dc)
{
    static const ParameterLabels labels = {
        {8, 80, 50, 100}, "a:", {165, 80, 207, 100},
        115, "Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)", 140,
    };
    draw_parameter_labels(dc, labels);
}
