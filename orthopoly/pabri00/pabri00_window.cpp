// pabri00: the window of the Gould program.
#include "busy_box.h"
#include "formula_text.h"
#include "gould.h"
#include "numeric_entry.h"
#include "shell.h"

enum { ID_EDIT_A = 102, ID_EDIT_B = 103, ID_ABOUT = 104, ID_EXIT = 105, ID_CALC = 106, ID_ALL = 107 };

static HWND edit_a;  // the parameter a
static HWND edit_b;  // the parameter b

static const RECT busy_box_place = {189, 109, 291, 131};  // the "In Process" box

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 110, 80, 200, NULL, NULL, &combo_degree},
    {ID_EDIT_A, "EDIT", NUMERIC_ENTRY_STYLE, 55, 80, 80, 20, NULL, NULL, &edit_a},
    {ID_EDIT_B, "EDIT", NUMERIC_ENTRY_STYLE, 190, 80, 80, 20, NULL, NULL, &edit_b},
    {ID_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 80, 70, 20, "About", "御案内", &btn_about},
    {ID_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 110, 70, 20, "Exit", "終了", &btn_exit},
    {ID_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 140, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 142, 16, 16, NULL, NULL, &chk_output_all},
};

static void on_filter_a(HWND)
{
    filter_numeric_entry(edit_a, NUMERIC_SIGNED);
}

static void on_filter_b(HWND)
{
    filter_numeric_entry(edit_b, NUMERIC_SIGNED);
}

// a and b: present, each in [-10, 10].
static const TypedParameter parameters[] = {
    {&edit_a, "a", &param_a, -10, 10, 0, "The numerical value of a : -10 <= a <= 10", "a の数値： -10 <= a <= 10"},
    {&edit_b, "b", &param_b, -10, 10, 0, "The numerical value of b : -10 <= b <= 10", "b の数値： -10 <= b <= 10"},
};

// The Calculation command: a and b must be present and lie in [-10, 10].
// b = 0 and negative integers are allowed: nothing is divided by b.
static void on_calculate_gould(HWND window)
{
    if (!read_typed_parameters(window, parameters, sizeof parameters / sizeof parameters[0]))
        return;
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0);
    save_solution_with_busy_box(window, &busy_box_place);
}

static const CommandSpec commands[] = {
    {ID_EDIT_A, on_filter_a},
    {ID_EDIT_B, on_filter_b},
    {ID_ABOUT, show_about_dialog},
    {ID_EXIT, on_exit},
    {ID_CALC, on_calculate_gould},
    {ID_ALL, on_toggle_output_all},
};

static void finish_controls(HWND)
{
    finish_numeric_entries(edit_a, edit_b);
    SetFocus(edit_a);
}

static void paint_extras(HDC dc)
{
    paint_busy_box(dc, busy_box_place);
}

const ProgramInfo program_info = {
    .class_name = "GOULD_POLY_00",
    .initial_title = "Gould_Polynomial_00",
    .title_en = "Gould Polynomial",
    .title_ja = "グールド多項式",
    .width = 420,
    .height_addend = 174,
    .exe_name = "PABRI00.EXE",
    .readme_name = "PABRI00.TXT",
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

// Half of the ellipse in the box (left, y - 20)-(left + 20, y + 20), drawn
// counterclockwise from the radial through (x_radial, first_y) to the one
// through (x_radial, last_y); when the context draws arcs clockwise the two
// radial points are swapped, so the same half shows either way.
static void draw_half_ellipse(HDC dc, int left, int y, int x_radial, int first_y, int last_y)
{
    HPEN pen = CreatePen(PS_SOLID, 2, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    if (GetArcDirection(dc) == AD_CLOCKWISE) {
        int swap = first_y;
        first_y = last_y;
        last_y = swap;
    }
    Arc(dc, left, y - 20, left + 20, y + 20, x_radial, first_y, x_radial, last_y);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// The left half of the ellipse in (x, y - 20)-(x + 20, y + 20): a large "(".
static void draw_left_arc(HDC dc, int x, int y)
{
    draw_half_ellipse(dc, x, y, x, y - 20, y + 20);
}

// The right half of the ellipse in (x - 20, y - 20)-(x, y + 20): a large ")".
static void draw_right_arc(HDC dc, int x, int y)
{
    draw_half_ellipse(dc, x - 20, y, x, y + 20, y - 20);
}

static const UINT TEXT_FLAGS = DT_SINGLELINE | DT_VCENTER;
static const UINT CENTERED_FLAGS = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

// "[  (d)n = d(d-1)(d-2) ... (d-n+1)  ;  -10 <= a, b <= 10  ]", centred,
// with the index n lowered and the dots raised.
static void draw_legend(HDC dc)
{
    SIZE whole = measure_formula_text(dc, "[  (d)n = d(d-1)(d-2) ... (d-n+1)  ;  -10 <= a, b <= 10  ]", 14, 700);
    int x = (386 - whole.cx) / 2;
    x += draw_helv_text(dc, x, 56, "[  (d)", 14, 700, CENTERED_FLAGS).cx;
    x += draw_helv_text(dc, x, 61, "n", 14, 700, CENTERED_FLAGS).cx;
    x += draw_helv_text(dc, x, 56, " = d(d-1)(d-2)", 14, 700, CENTERED_FLAGS).cx;
    x += draw_helv_text(dc, x, 53, " ... ", 14, 700, CENTERED_FLAGS).cx;
    draw_helv_text(dc, x, 56, "(d-n+1)  ;  -10 <= a, b <= 10  ]", 14, 700, CENTERED_FLAGS);
}

// G(a,b,n;x) = x / (x - na) * ((x - na) / b)_n * b^n, with the falling factorial (d)_n
void draw_formula(HDC dc)
{
    SIZE head = draw_helv_text(dc, 15, 20, "G(a,b,n;x) =  ", 18, 700, TEXT_FLAGS);
    int h0 = head.cy;
    int x0 = 15 + head.cx;
    SIZE linear = measure_formula_text(dc, " x - n a ", 18, 700);
    int numerator_y = h0 / 2 - linear.cy + 17;
    int denominator_y = h0 / 2 + 22;

    int x1 = x0 + draw_helv_text(dc, x0, denominator_y, " x - n a ", 18, 700, TEXT_FLAGS).cx;
    SIZE x_only = measure_formula_text(dc, " x ", 18, 700);
    draw_helv_text(dc, x0 + (x1 - x0 - x_only.cx) / 2, numerator_y, " x ", 18, 700, TEXT_FLAGS);

    int x2 = x1 + 15;
    int x3 = x2 + draw_helv_text(dc, x2, numerator_y, " x - n a ", 18, 700, TEXT_FLAGS).cx;
    SIZE b_only = measure_formula_text(dc, " b ", 18, 700);
    draw_helv_text(dc, x2 + (x3 - x2 - b_only.cx) / 2, denominator_y, " b ", 18, 700, TEXT_FLAGS);

    SIZE index = draw_helv_text(dc, x3 + 6, h0 / 2 + 25, "n", 18, 700, TEXT_FLAGS);
    int x4 = x3 + index.cx + 9;

    draw_legend(dc);
    draw_fraction_bar(dc, x0, h0 / 2 + 20, x1 - x0);
    draw_fraction_bar(dc, x2, h0 / 2 + 20, x3 - x2);
    draw_with_superscript(dc, x4, 20, "b", "n", 10);
    draw_left_arc(dc, x2 - 5, h0 / 2 + 20);
    draw_right_arc(dc, x3 + 6, h0 / 2 + 20);
}

void draw_labels(HDC dc)
{
    const UINT right_aligned = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    RECT n_box = {35, 110, 50, 130};
    RECT a_box = {35, 80, 50, 100};
    RECT b_box = {170, 80, 185, 100};
    draw_label_box(dc, 12, 400, n_box, "n:", right_aligned);
    draw_label_box(dc, 12, 400, a_box, "a:", right_aligned);
    draw_label_box(dc, 12, 400, b_box, "b:", right_aligned);
    draw_label(dc, 12, 700, 35, 140, 160, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
}
