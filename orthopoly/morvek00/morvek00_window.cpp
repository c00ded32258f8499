// morvek00: the window of the Jacobi program.
#include <cmath>
#include <cstdio>

#include "busy_box.h"
#include "formula_text.h"
#include "jacobi.h"
#include "numeric_entry.h"
#include "shell.h"

enum {
    ID_EDIT_A = 102,
    ID_EDIT_B = 103,
    ID_ABOUT = 104,
    ID_EXIT = 105,
    ID_CALC = 106,
    ID_ALL = 107,
    ID_NORMALIZE = 108,
    ID_EXPAND = 109
};

static HWND edit_a;      // the parameter a
static HWND edit_b;      // the parameter b
static HWND chk_expand;  // the expansion check box: x replaced by (1-x)/2

static const RECT busy_box_place = {211, 79, 313, 101};  // the "In Process" box

static const DWORD CHECK_BOX_STYLE = WS_CHILD | WS_VISIBLE | BS_CHECKBOX;

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 80, 70, 200, NULL, NULL, &combo_degree},
    {ID_EDIT_A, "EDIT", NUMERIC_ENTRY_STYLE, 55, 110, 100, 20, NULL, NULL, &edit_a},
    {ID_EDIT_B, "EDIT", NUMERIC_ENTRY_STYLE, 212, 110, 100, 20, NULL, NULL, &edit_b},
    {ID_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 135, 70, 20, "About", "御案内", &btn_about},
    {ID_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 165, 70, 20, "Exit", "終了", &btn_exit},
    {ID_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 195, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_ALL, "BUTTON", CHECK_BOX_STYLE, 15, 147, 16, 16, NULL, NULL, &chk_output_all},
    {ID_NORMALIZE, "BUTTON", CHECK_BOX_STYLE, 15, 172, 16, 16, NULL, NULL, &chk_normalize},
    {ID_EXPAND, "BUTTON", CHECK_BOX_STYLE, 15, 197, 16, 16, NULL, NULL, &chk_expand},
};

static void on_filter_a(HWND)
{
    filter_numeric_entry(edit_a, NUMERIC_SIGNED);
}

static void on_filter_b(HWND)
{
    filter_numeric_entry(edit_b, NUMERIC_SIGNED);
}

static void toggle_expand_option(HWND)
{
    expand_option = toggle_check_box(chk_expand);
}

// With normalization, a degree whose leading coefficient is 0 cannot be
// divided by it: the calculation is refused instead of writing a table of
// infinities and NaNs.
static int normalization_is_possible(HWND window)
{
    if (normalize != 1)
        return 1;
    int k = first_degree_without_leading_term(param_a, param_b, degree, output_all_degrees);
    if (k < 0)
        return 1;
    char text[MESSAGE_BUF_SIZE];
    if (is_japanese)
        snprintf(text, sizeof text, "a = %g では %d 次の多項式の最高次係数が 0 となるため, 係数を基準化できません.",
                 param_a, k);
    else
        snprintf(text, sizeof text,
                 "For a = %g the leading coefficient of the polynomial of degree %d is 0: the coefficients cannot be normalized.",
                 param_a, k);
    MessageBoxA(window, text, choose_text("Information", "お知らせ"), MB_ICONINFORMATION);
    return 0;
}

// a and b: present, each in [-10, 10].
static const TypedParameter parameters[] = {
    {&edit_a, "a", &param_a, -10, 10, 0, "The numerical value of a : -10 <= a <= 10", "a の数値： -10 <= a <= 10"},
    {&edit_b, "b", &param_b, -10, 10, 0, "The numerical value of b : -10 <= b <= 10", "b の数値： -10 <= b <= 10"},
};

// The Calculation command: a and b must be present and lie in [-10, 10],
// and b must be neither 0 nor a negative integer (a denominator b + i would vanish).
static void on_calculate_jacobi(HWND window)
{
    if (!read_typed_parameters(window, parameters, sizeof parameters / sizeof parameters[0]))
        return;
    if (!(param_b > 0 || floor(param_b) != param_b)) {
        report_value_out_of_range(window, edit_b, "For b, zero or minus integer is not allowed.",
                                  "b は、零 または 負整数 は許されません.");
        return;
    }
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0);
    if (!normalization_is_possible(window))
        return;
    save_solution_with_busy_box(window, expand_option == 1 ? &busy_box_place : NULL);
}

static const CommandSpec commands[] = {
    {ID_EDIT_A, on_filter_a},
    {ID_EDIT_B, on_filter_b},
    {ID_ABOUT, show_about_dialog},
    {ID_EXIT, on_exit},
    {ID_CALC, on_calculate_jacobi},
    {ID_ALL, on_toggle_output_all},
    {ID_NORMALIZE, on_toggle_normalize},
    {ID_EXPAND, toggle_expand_option},
};

static void finish_controls(HWND)
{
    finish_numeric_entries(edit_a, edit_b);
    SendMessageA(chk_expand, BM_SETCHECK, 0, 0);
    expand_option = 0;
    SetFocus(edit_a);
}

static void paint_extras(HDC dc)
{
    paint_busy_box(dc, busy_box_place);
}

const ProgramInfo program_info = {
    .class_name = "JACOBI_POLY_00",
    .initial_title = "Jacobi_Polynomial_00",
    .title_en = "Jacobi Polynomial",
    .title_ja = "ヤコビ多項式",
    .width = 420,
    .height_addend = 231,
    .exe_name = "MORVEK00.EXE",
    .readme_name = "MORVEK00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
    .finish_controls = finish_controls,
    .paint_extras = paint_extras,
    .on_message = answer_bring_to_front,
    .release_extras = release_edit_fonts,
};

// A stroke through the "=" of the range line, which so reads as an unequal sign.
static void draw_not_equal_slash(HDC dc, int x, int y)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, x + 5, y, NULL);
    LineTo(dc, x - 1, y + 7);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// An arrow to the right, 13 pixels long, with a doubled head.
static void draw_right_arrow(HDC dc, int x, int y)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, x, y, NULL);
    LineTo(dc, x + 13, y);
    MoveToEx(dc, x + 8, y - 5, NULL);
    LineTo(dc, x + 13, y);
    LineTo(dc, x + 8, y + 5);
    MoveToEx(dc, x + 7, y + 5, NULL);
    LineTo(dc, x + 12, y);
    LineTo(dc, x + 7, y - 5);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

static const UINT TEXT_FLAGS = DT_SINGLELINE | DT_VCENTER;
static const UINT CENTERED_FLAGS = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

// "[ -10 <= a, b <= 10 ; b = 0,-1,-2,-3,... ]" with the last "=" struck through, centred.
static void draw_range_line(HDC dc)
{
    SIZE whole = measure_formula_text(dc, "[ -10 <= a, b <= 10 ; b = 0,-1,-2,-3,... ]", 14, 700);
    int x = (386 - whole.cx) / 2 + 14;
    SIZE first = draw_helv_text(dc, x, 56, "[ -10 <= a, b <= 10 ; b =", 14, 700, CENTERED_FLAGS);
    int right = x + first.cx;
    draw_helv_text(dc, right, 56, " 0,-1,-2,-3,... ]", 14, 700, CENTERED_FLAGS);
    draw_not_equal_slash(dc, right - 7, 60);
}

// Three parts of a numerator or denominator, the middle " ... " 3 pixels higher.
static void draw_product_line(HDC dc, int x, int y, const char *first, const char *last)
{
    x += draw_helv_text(dc, x, y, first, 18, 700, TEXT_FLAGS).cx;
    x += draw_helv_text(dc, x, y - 3, " ... ", 18, 700, TEXT_FLAGS).cx;
    draw_helv_text(dc, x, y, last, 18, 700, TEXT_FLAGS);
}

// G(a,b,n;x) = sum over m = 0..n of (-1)^m C(n,m) (a+n)...(a+n+m-1) / (b...(b+m-1)) x^m
void draw_formula(HDC dc)
{
    draw_range_line(dc);
    SIZE head = draw_helv_text(dc, 15, 20, "G(a,b,n;x) =  ", 18, 700, TEXT_FLAGS);
    int w0 = head.cx, h0 = head.cy;
    draw_small_text(dc, w0 + 13, 5, "n");
    draw_sigma(dc, w0 + 9, 20);
    draw_small_text(dc, w0 + 4, 37, "m = 0");
    int x1 = draw_with_superscript(dc, w0 + 30, 20, "(-1)", "m", 10);
    int x2 = draw_binomial(dc, x1 + 3, 20, "n", "m", 10);

    SIZE numerator = measure_formula_text(dc, "(a+n) (a+n+1) ... (a+n+m-1)", 18, 700);
    SIZE denominator = measure_formula_text(dc, "b (b+1) ... (b+m-1)", 18, 700);
    draw_product_line(dc, x2 + 7, h0 / 2 - numerator.cy + 17, "(a+n) (a+n+1)", "(a+n+m-1)");
    draw_product_line(dc, x2 + 7 + (numerator.cx - denominator.cx) / 2, h0 / 2 + 22, "b (b+1)", "(b+m-1)");
    draw_fraction_bar(dc, x2 + 5, h0 / 2 + 20, numerator.cx + 4);
    draw_with_superscript(dc, x2 + numerator.cx + 16, 20, "x", "m", 10);
}

void draw_labels(HDC dc)
{
    const UINT right_aligned = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    RECT n_box = {8, 80, 50, 100};
    RECT a_box = {8, 110, 50, 130};
    RECT b_box = {165, 110, 207, 130};
    draw_label_box(dc, 12, 400, n_box, "n:", right_aligned);
    draw_label_box(dc, 12, 400, a_box, "a:", right_aligned);
    draw_label_box(dc, 12, 400, b_box, "b:", right_aligned);
    draw_label(dc, 12, 700, 35, 145, 165, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
    draw_label(dc, 12, 700, 35, 170, 190, choose_text("Coefficient normalization", "係数の基準化"));
    const char *before_arrow = choose_text("Output by  x  ", "x  ");
    draw_label(dc, 12, 700, 35, 195, 215, before_arrow);
    int width = measure_label_text(dc, before_arrow, 12, 700).cx;
    draw_right_arrow(dc, 35 + width, 204);
    draw_label(dc, 12, 700, 35 + width + 14, 195, 215, choose_text("  (1-x) / 2", "  (1-x) / 2  で出力"));
}
