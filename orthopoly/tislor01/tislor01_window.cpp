// tislor01: the window of the Gegenbauer program.
#include "formula_text.h"
#include "gegenbauer.h"
#include "numeric_entry.h"
#include "shell.h"

enum { ID_EDIT_V = 102, ID_ABOUT = 103, ID_EXIT = 104, ID_CALC = 105, ID_ALL = 106, ID_NORMALIZE = 107 };

static HWND edit_v;  // the parameter v

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 90, 70, 200, NULL, NULL, &combo_degree},
    {ID_EDIT_V, "EDIT", NUMERIC_ENTRY_STYLE, 212, 90, 100, 20, NULL, NULL, &edit_v},
    {ID_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 90, 70, 20, "About", "御案内", &btn_about},
    {ID_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 120, 70, 20, "Exit", "終了", &btn_exit},
    {ID_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 150, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 127, 16, 16, NULL, NULL, &chk_output_all},
    {ID_NORMALIZE, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 152, 16, 16, NULL, NULL, &chk_normalize},
};

// v has no minus sign: it must be positive.
static void on_filter_v(HWND)
{
    filter_numeric_entry(edit_v, NUMERIC_UNSIGNED);
}

// v: present, in (0, 10].
static const TypedParameter parameter_v = {&edit_v, "v", &param_v, 0, 10, 1, "The numerical value of v :  0 < v <= 10",
                                           "v の数値： 0 < v <= 10"};

// The Calculation command: v must be present and lie in (0, 10].
static void on_calculate_gegenbauer(HWND window)
{
    if (!read_typed_parameters(window, &parameter_v, 1))
        return;
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0);
    save_solution(window);
}

static const CommandSpec commands[] = {
    {ID_EDIT_V, on_filter_v},
    {ID_ABOUT, show_about_dialog},
    {ID_EXIT, on_exit},
    {ID_CALC, on_calculate_gegenbauer},
    {ID_ALL, on_toggle_output_all},
    {ID_NORMALIZE, on_toggle_normalize},
};

static void finish_controls(HWND)
{
    finish_numeric_entries(edit_v, NULL);
    SetFocus(edit_v);
}

const ProgramInfo program_info = {
    .class_name = "GEGENBAUER_POLY_01",
    .initial_title = "Gegenbauer_Polynomial_01",
    .title_en = "Gegenbauer Polynomial",
    .title_ja = "ゲーゲンバウエル多項式",
    .width = 420,
    .height_addend = 186,
    .exe_name = "TISLOR01.EXE",
    .readme_name = "TISLOR01.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
    .finish_controls = finish_controls,
    .release_extras = release_edit_fonts,
};

static const UINT TEXT_FLAGS = DT_SINGLELINE | DT_VCENTER;

enum { INDEX_HEIGHT = 10 };  // the indices of Pochhammer symbols in the formula

// A symbol in Helv 18/700 at (x, y) followed by its index, drop pixels lower;
// returns the x behind the index.
static int draw_indexed(HDC dc, int x, int y, const char *base, const char *index, int drop)
{
    SIZE base_size = draw_helv_text(dc, x, y, base, 18, 700, TEXT_FLAGS);
    SIZE index_size = measure_formula_text(dc, index, INDEX_HEIGHT, 700);
    int index_y = y + base_size.cy - index_size.cy + drop;
    return x + base_size.cx + draw_helv_text(dc, x + base_size.cx, index_y, index, INDEX_HEIGHT, 700, TEXT_FLAGS).cx;
}

// The width that draw_indexed would take.
static int indexed_width(HDC dc, const char *base, const char *index)
{
    return measure_formula_text(dc, base, 18, 700).cx + measure_formula_text(dc, index, INDEX_HEIGHT, 700).cx;
}

// "[  (a)m = a(a+1)(a+2) ... (a+m-1)  ;  0 < v <= 10  ]", centred on y = 60.
static void draw_note(HDC dc)
{
    const UINT flags = DT_SINGLELINE | DT_VCENTER;
    SIZE whole = measure_formula_text(dc, "[  (a)m = a(a+1)(a+2) ... (a+m-1)  ;  0 < v <= 10  ]", 14, 700);
    int x = 15 + (385 - whole.cx) / 2;
    x += draw_helv_text(dc, x, 60, "[  (a)", 14, 700, flags).cx;
    x += draw_helv_text(dc, x, 65, "m", 14, 700, flags).cx;
    x += draw_helv_text(dc, x, 60, " = a(a+1)(a+2)", 14, 700, flags).cx;
    x += draw_helv_text(dc, x, 57, " ... ", 14, 700, flags).cx;
    draw_helv_text(dc, x, 60, "(a+m-1)  ;  0 < v <= 10  ]", 14, 700, flags);
}

// C(v,n;x) = 2^n (v)_n / n! * sum over m = 0..[n/2] of
//            (-n/2)_m ((1-n)/2)_m / (1-n-v)_m * 1/m! * x^(n-2m)
void draw_formula(HDC dc)
{
    SIZE head = draw_helv_text(dc, 15, 20, "C(v,n;x) = ", 18, 700, TEXT_FLAGS);
    int h = head.cy;
    int numerator_y = h / 2 - h + 17;
    int denominator_y = h / 2 + 22;
    int bar_y = 20 + h / 2;
    int x = draw_with_superscript(dc, 15 + head.cx, 20, "2", "n", 10);

    // (v)_n / n!
    int width = indexed_width(dc, " (v)", "n  ");
    draw_indexed(dc, x, numerator_y, " (v)", "n  ", 2);
    SIZE factorial = measure_formula_text(dc, "n!", 18, 700);
    draw_helv_text(dc, x + (width - factorial.cx) / 2, denominator_y, "n!", 18, 700, TEXT_FLAGS);
    draw_fraction_bar(dc, x, bar_y, width);
    x += width + 2;

    draw_small_text(dc, x, 5, "[n/2]");
    draw_sigma(dc, x + 4, 20);
    draw_small_text(dc, x - 1, 37, "m = 0");
    x += 22;

    // (-n/2)_m ((1-n)/2)_m / (1-n-v)_m
    width = indexed_width(dc, " (-n/2)", "m") + indexed_width(dc, "  ((1-n)/2)", "m  ");
    int after = draw_indexed(dc, x, numerator_y, " (-n/2)", "m", 5);
    draw_indexed(dc, after, numerator_y, "  ((1-n)/2)", "m  ", 5);
    int lower = indexed_width(dc, "(1-n-v)", "m");
    draw_indexed(dc, x + (width - lower) / 2, denominator_y, "(1-n-v)", "m", 5);
    draw_fraction_bar(dc, x, bar_y, width);
    x += width + 2;

    // 1 / m!
    SIZE reciprocal = measure_formula_text(dc, " m! ", 18, 700);
    SIZE one = measure_formula_text(dc, "1", 18, 700);
    draw_helv_text(dc, x + (reciprocal.cx - one.cx) / 2, numerator_y, "1", 18, 700, TEXT_FLAGS);
    draw_helv_text(dc, x, denominator_y, " m! ", 18, 700, TEXT_FLAGS);
    draw_fraction_bar(dc, x, bar_y, reciprocal.cx);
    x += reciprocal.cx;

    draw_with_superscript(dc, x + 7, 20, "x", "n-2m", 10);
    draw_note(dc);
}

void draw_labels(HDC dc)
{
    const UINT right_aligned = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    RECT n_box = {8, 90, 50, 110};
    RECT v_box = {165, 90, 207, 110};
    draw_label_box(dc, 12, 400, n_box, "n:", right_aligned);
    draw_label_box(dc, 12, 400, v_box, "v:", right_aligned);
    draw_label(dc, 12, 700, 35, 125, 145, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
    draw_label(dc, 12, 700, 35, 150, 170, choose_text("Coefficient normalization", "係数の基準化"));
}
