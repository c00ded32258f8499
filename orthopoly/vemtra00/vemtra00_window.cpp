// vemtra00: the window of the Charlier program.
#include "shell.h"

#include "formula_text.h"
#include "numeric_entry.h"
#include "one_parameter_window.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 85, 70, 200, NULL, NULL, &combo_degree},
    {ID_PARAMETER, "EDIT", NUMERIC_ENTRY_STYLE, 212, 85, 100, 20, NULL, NULL, &edit_a},
    {ID_PARAM_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 55, 70, 20, "About", "御案内", &btn_about},
    {ID_PARAM_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 85, 70, 20, "Exit", "終了", &btn_exit},
    {ID_PARAM_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 115, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_PARAM_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 117, 16, 16, NULL, NULL, &chk_output_all},
};

const ProgramInfo program_info = {
    .class_name = "CHARLIER_POLY_00",
    .initial_title = "Charlier_Polynomial_00",
    .title_en = "Charlier Polynomial",
    .title_ja = "シャリエ多項式",
    .width = 420,
    .height_addend = 151,
    .exe_name = "VEMTRA00.EXE",
    .readme_name = "VEMTRA00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = one_parameter_commands,
    .command_count = one_parameter_command_count,
    .list_first = 0,
    .list_last = 100,
    .finish_controls = finish_parameter_a,
    .release_extras = release_parameter_a,
};

// C(a,n;x) = sum over m = 0..n of C(n,m) (-a)^(n-m) x (x-1) (x-2) ... (x-m+1)
void draw_formula(HDC dc)
{
    int x_sum = draw_with_superscript(dc, 15, 20, "C(a,n;x) =  ", "", 18);
    draw_range_line(dc, 15, 56, 312, "[ -10 <= a <= 10 ]");
    draw_small_text(dc, x_sum - 2, 5, "n");
    draw_sigma(dc, x_sum - 6, 20);
    draw_small_text(dc, x_sum - 11, 37, "m = 0");
    int x = draw_binomial(dc, x_sum + 18, 20, "n", "m", 10);
    x = draw_with_superscript(dc, x + 7, 20, "(-a)", "n-m", 10);
    x = draw_bold_text(dc, x + 7, 20, "x (x-1) (x-2)", 18);
    x = draw_bold_text(dc, x, 17, " ... ", 18);
    draw_bold_text(dc, x, 20, "(x-m+1)", 18);
}

void draw_labels(HDC dc)
{
    static const ParameterLabels labels = {
        {8, 85, 50, 105}, "a:", {165, 85, 207, 105},
        115, "Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)", 0,
    };
    draw_parameter_labels(dc, labels);
}
