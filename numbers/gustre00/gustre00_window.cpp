// gustre00: the window of the factorial polynomial program.
#include "busy_box.h"
#include "factorial_polynomials.h"
#include "formula_text.h"
#include "shell.h"
#include "topmost_calculation.h"

enum { ID_RADIO_FALLING = 106, ID_RADIO_RISING = 107, ID_RADIO_CENTRAL = 108 };

static HWND radio_kind[3];  // the radio buttons of the three kinds, 106 to 108

static const RECT busy_box_place = {301, 116, 403, 138};  // the "In Process" box
static const RECT kind_label = {34, 116, 300, 138};       // the label that names the degrees of the kind

static const DWORD RADIO_STYLE = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON;

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 87, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 27, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 57, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 87, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 119, 16, 16, NULL, NULL, &chk_output_all},
    {ID_RADIO_FALLING, "BUTTON", RADIO_STYLE, 15, 15, 18, 18, NULL, NULL, &radio_kind[KIND_FALLING]},
    {ID_RADIO_RISING, "BUTTON", RADIO_STYLE, 15, 37, 18, 18, NULL, NULL, &radio_kind[KIND_RISING]},
    {ID_RADIO_CENTRAL, "BUTTON", RADIO_STYLE, 15, 59, 18, 18, NULL, NULL, &radio_kind[KIND_CENTRAL]},
};

// The radio buttons are not automatic: the chosen one is checked, the
// others cleared, and the label is drawn again for the degrees of the kind.
static void select_polynomial_kind(HWND window)
{
    check_radio_button(radio_kind, 3, polynomial_kind);
    InvalidateRect(window, &kind_label, TRUE);
}

static void on_choose_falling(HWND window)
{
    polynomial_kind = KIND_FALLING;
    select_polynomial_kind(window);
}

static void on_choose_rising(HWND window)
{
    polynomial_kind = KIND_RISING;
    select_polynomial_kind(window);
}

static void on_choose_central(HWND window)
{
    polynomial_kind = KIND_CENTRAL;
    select_polynomial_kind(window);
}

// n = list index + 1; the degree written is n, or 2n - 1 for the central kind.
static void on_calculate_factorial(HWND window)
{
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0) + 1;
    save_solution_topmost(window, busy_box_place);
}

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate_factorial},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_RADIO_FALLING, on_choose_falling},
    {ID_RADIO_RISING, on_choose_rising},
    {ID_RADIO_CENTRAL, on_choose_central},
};

// The falling factorial checked, the other two cleared.
static void finish_controls(HWND)
{
    polynomial_kind = KIND_FALLING;
    check_radio_button(radio_kind, 3, KIND_FALLING);
}

static void paint_extras(HDC dc)
{
    paint_busy_box(dc, busy_box_place);
}

const ProgramInfo program_info = {
    .class_name = "RISE_FALL_POLY_00",
    .initial_title = "Rising_Falling_Poly_00",
    .title_en = "Expansion of Factorial Polynomial",
    .title_ja = "階乗多項式の展開",
    .width = 420,
    .height_addend = 153,
    .exe_name = "GUSTRE00.EXE",
    .readme_name = "GUSTRE00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 1,
    .list_last = 100,
    .finish_controls = finish_controls,
    .paint_extras = paint_extras,
    .on_message = answer_bring_to_front,
};

// One product from (35, top), its " ... " 3 pixels higher; returns the x just right of it.
static int draw_product(HDC dc, int x, int top, const char *before, const char *after)
{
    x = draw_bold_text(dc, x, top, before, 18);
    x = draw_bold_text(dc, x, top - 3, " ... ", 18);
    return draw_bold_text(dc, x, top, after, 18);
}

// x(x-1)(x-2)(x-3) ... (x-(n-1))
// x(x+1)(x+2)(x+3) ... (x+(n-1))
// (x-(n-1)) ... (x-1)x(x+1) ... (x+(n-1))
void draw_formula(HDC dc)
{
    draw_product(dc, 35, 11, "x(x-1)(x-2)(x-3)", "(x-(n-1))");
    draw_product(dc, 35, 33, "x(x+1)(x+2)(x+3)", "(x+(n-1))");
    int x = draw_product(dc, 35, 55, "(x-(n-1))", "(x-1)x(x+1)");
    x = draw_bold_text(dc, x, 52, " ... ", 18);
    draw_bold_text(dc, x, 55, "(x+(n-1))", 18);
}

void draw_labels(HDC dc)
{
    HBRUSH brush = CreateSolidBrush(back_color);
    FillRect(dc, &kind_label, brush);
    DeleteObject(brush);
    RECT degree_box = {35, 87, 50, 107};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    const char *label = polynomial_kind == KIND_CENTRAL
                            ? choose_text("Output polynomials (deg. 1 to 2n-1)", "多項式出力(1次 から 2n-1次)")
                            : choose_text("Output polynomials (deg. 1 to n)", "多項式出力(1次 から n次)");
    draw_label(dc, 12, 700, 35, 117, 137, label);
}
