// fartuk00: the window of the Lommel program.
#include "shell.h"

#include "formula_text.h"
#include "numeric_entry.h"
#include "one_parameter_window.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 115, 70, 200, NULL, NULL, &combo_degree},
    {ID_PARAMETER, "EDIT", NUMERIC_ENTRY_STYLE, 212, 115, 100, 20, NULL, NULL, &edit_a},
    {ID_PARAM_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 85, 70, 20, "About", "御案内", &btn_about},
    {ID_PARAM_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 115, 70, 20, "Exit", "終了", &btn_exit},
    {ID_PARAM_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 145, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_PARAM_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 147, 16, 16, NULL, NULL, &chk_output_all},
};

const ProgramInfo program_info = {
    .class_name = "LOMMEL_POLY_00",
    .initial_title = "Lommel_Polynomial_00",
    .title_en = "Lommel Polynomial",
    .title_ja = "ロンメル多項式",
    .width = 420,
    .height_addend = 181,
    .exe_name = "FARTUK00.EXE",
    .readme_name = "FARTUK00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = one_parameter_commands,
    .command_count = one_parameter_command_count,
    .list_first = 0,
    .list_last = 100,
    .finish_controls = finish_parameter_a,
    .release_extras = release_parameter_a,
};

// The legend of the factor product, centred between x = 5 and x = 327. Its
// ellipsis is centred in a box 3 pixels lower than itself, which raises it
// by one pixel.
static void draw_factor_legend(HDC dc)
{
    const char *first = "[ c(a,n,s) = (a+s)(a+s+1)(a+s+2)";
    const char *dots = " ... ";
    int whole = measure_formula_text(dc, "[ c(a,n,s) = (a+s)(a+s+1)(a+s+2) ... (a+s+n-2s-1) ]", 14, 700).cx;
    int x = draw_bold_text(dc, (322 - whole) / 2 + 5, 58, first, 14);
    int dots_end = draw_bold_text(dc, x, 57, dots, 14);
    draw_bold_text(dc, dots_end, 58, "(a+s+n-2s-1) ]", 14);
}

// R(a,n;z) = sum over s = 0..[n/2] of (-1)^s 2^(n-2s) (n-s)! c(a,n,s) / (s! (n-2s)!) z^-(n-2s)
void draw_formula(HDC dc)
{
    const char *head = "R(a,n;z) =  ";
    int x_sum = draw_with_superscript(dc, 15, 20, head, "", 18);
    int half_head = measure_formula_text(dc, head, 18, 700).cy / 2;
    int two_height = measure_formula_text(dc, "2", 18, 700).cy;
    draw_factor_legend(dc);
    draw_range_line(dc, 5, 83, 327, "[ -10 <= a <= 10 ]");
    draw_small_text(dc, x_sum - 11, 5, "[n/2]");
    draw_sigma(dc, x_sum - 6, 20);
    draw_small_text(dc, x_sum - 11, 37, "s = 0");
    int f = draw_with_superscript(dc, x_sum + 18, 20, "(-1)", "s", 10) + 10;

    int numerator_y = half_head - two_height + 17;
    int x = draw_with_superscript(dc, f, numerator_y, "2", "n-2s", 10);
    x = draw_bold_text(dc, x + 5, numerator_y, "(n-s)!", 18);
    int e = draw_bold_text(dc, x + 7, numerator_y, "c(a,n,s)", 18);

    int denominator_y = half_head + 22;
    int w = measure_formula_text(dc, "s!", 18, 700).cx + measure_formula_text(dc, "(n-2s)!", 18, 700).cx;
    x = draw_bold_text(dc, f + (e - (f + w + 5)) / 2, denominator_y, "s!", 18);
    draw_bold_text(dc, x + 5, denominator_y, "(n-2s)!", 18);
    draw_fraction_bar(dc, f - 3, half_head + 20, e - f + 6);

    draw_with_superscript(dc, e + 12, 20, "z", "-(n-2s)", 10);
}

void draw_labels(HDC dc)
{
    static const ParameterLabels labels = {
        {8, 115, 50, 135}, "a:", {165, 115, 207, 135},
        145, "Output polynomials (deg. 0 to -n)", "多項式出力(0次 から -n次)", 0,
    };
    draw_parameter_labels(dc, labels);
}
