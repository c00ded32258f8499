// wibsor01: the window of the Legendre program. Its formula is two lines
// high, so everything below it sits 25 pixels lower than in the shell's
// reference layout.
#include "formula_text.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 90, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 90, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 120, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 150, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 127, 16, 16, NULL, NULL, &chk_output_all},
    {ID_CHK_NORMALIZE, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 152, 16, 16, NULL, NULL, &chk_normalize},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_CHK_NORMALIZE, on_toggle_normalize},
};

const ProgramInfo program_info = {
    .class_name = "LEGENDRE_POLY_01",
    .initial_title = "Legendre_Polynomial_01",
    .title_en = "Legendre Polynomial",
    .title_ja = "ルジャンドル多項式",
    .width = 420,
    .height_addend = 186,
    .exe_name = "WIBSOR01.EXE",
    .readme_name = "WIBSOR01.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
};

// (2n-1)!! over n!, from x with the bar at mid; returns the numerator's width.
static int draw_leading_fraction(HDC dc, int x, int mid)
{
    int right = draw_bold_text_above(dc, x, mid + 17, " (2n-1)!! ", 18);
    draw_bold_text_centred(dc, x, right, mid + 22, "n!", 18);
    draw_fraction_bar(dc, x, mid + 20, right - x);
    return right - x;
}

// (-n/2)_m ((1-n)/2)_m over ((1-2n)/2)_m, then 1 over m!, from x; returns
// the x just right of " m! ".
static int draw_term_fractions(HDC dc, int x, int mid)
{
    int base_top = mid + 15 - measure_formula_text(dc, " (-n/2)", 18, 700).cy;
    int right = draw_bold_text(dc, x, base_top, " (-n/2)", 18);
    right = draw_bold_text(dc, right, base_top + 5, "m", 18);
    right = draw_bold_text(dc, right, base_top, "  ((1-n)/2)", 18);
    right = draw_bold_text(dc, right, base_top + 5, "m  ", 18);

    int below_width = measure_formula_text(dc, "((1-2n)/2)", 18, 700).cx + measure_formula_text(dc, "m", 18, 700).cx;
    int below = x + (right - x - below_width) / 2;
    below = draw_bold_text(dc, below, mid + 22, "((1-2n)/2)", 18);
    draw_bold_text(dc, below, mid + 27, "m", 18);
    draw_fraction_bar(dc, x, mid + 20, right - x - 2);

    int second = right + 4;
    int second_right = second + measure_formula_text(dc, " m! ", 18, 700).cx;
    SIZE one = measure_formula_text(dc, "1", 18, 700);
    draw_bold_text(dc, second + (second_right - second - one.cx) / 2, mid + 17 - one.cy, "1", 18);
    draw_bold_text(dc, second, mid + 22, " m! ", 18);
    draw_fraction_bar(dc, second, mid + 20, second_right - second - 1);
    return second_right;
}

// [  (a)_m = a(a+1)(a+2) ... (a+m-1)  ], centred under the formula.
static void draw_pochhammer_legend(HDC dc)
{
    int width = measure_formula_text(dc, "[  (a)m = a(a+1)(a+2) ... (a+m-1)  ]", 14, 700).cx;
    int x = 15 + (315 - width) / 2;
    x = draw_bold_text(dc, x, 60, "[  (a)", 14);
    x = draw_bold_text(dc, x, 65, "m", 14);
    x = draw_bold_text(dc, x, 60, " = a(a+1)(a+2)", 14);
    x = draw_bold_text(dc, x, 57, " ... ", 14);
    draw_bold_text(dc, x, 60, "(a+m-1)  ]", 14);
}

// P(n;x) = (2n-1)!!/n! sum over m = 0..[n/2] of (a)_m (b)_m / ((c)_m m!) x^(n-2m)
// with a = -n/2, b = (1-n)/2, c = (1-2n)/2
void draw_formula(HDC dc)
{
    SIZE head = measure_formula_text(dc, "P(n;x) = ", 18, 700);
    int mid = head.cy / 2;
    draw_bold_text(dc, 15, 20, "P(n;x) = ", 18);
    int lead = head.cx + draw_leading_fraction(dc, 15 + head.cx, mid);
    draw_small_text(dc, lead + 22, 5, "[n/2]");
    draw_sigma(dc, lead + 24, 20);
    draw_small_text(dc, lead + 19, 37, "m = 0");
    int x = draw_term_fractions(dc, lead + 50, mid);
    draw_with_superscript(dc, x + 7, 20, "x", "n-2m", 10);
    draw_pochhammer_legend(dc);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 90, 50, 110};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 125, 145, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
    draw_label(dc, 12, 700, 35, 150, 170, choose_text("Coefficient normalization", "係数の基準化"));
}
