// pomrel95: the window of the Gauss quadrature program.
#include <cstring>

#include "busy_box.h"
#include "formula_text.h"
#include "pomrel95.h"
#include "quadrature.h"
#include "shell.h"

enum { ID_RADIO_LEGENDRE = 107, ID_RADIO_LAGUERRE = 108, ID_RADIO_HERMITE = 109 };

static HWND radio_kind[3];  // the radio buttons of the three families, 107 to 109

const RECT BUSY_BOX = {115, 109, 217, 131};
static const RECT FORMULA_LINE = {10, 5, 237, 35};  // repainted when the family changes

static const DWORD RADIO_STYLE = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON;

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     32, 110, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 260, 50, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 260, 80, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 230, 110, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 145, 16, 16, NULL, NULL, &chk_output_all},
    {ID_RADIO_LEGENDRE, "BUTTON", RADIO_STYLE, 15, 46, 18, 18, NULL, NULL, &radio_kind[KIND_LEGENDRE]},
    {ID_RADIO_LAGUERRE, "BUTTON", RADIO_STYLE, 15, 64, 18, 18, NULL, NULL, &radio_kind[KIND_LAGUERRE]},
    {ID_RADIO_HERMITE, "BUTTON", RADIO_STYLE, 15, 82, 18, 18, NULL, NULL, &radio_kind[KIND_HERMITE]},
};

// The radio buttons are not automatic: the chosen one is checked, the
// others cleared, and the formula line is drawn again for the new family.
static void select_polynomial_kind(HWND window)
{
    check_radio_button(radio_kind, 3, polynomial_kind);
    InvalidateRect(window, &FORMULA_LINE, TRUE);
    UpdateWindow(window);
}

static void on_choose_legendre(HWND window)
{
    polynomial_kind = KIND_LEGENDRE;
    select_polynomial_kind(window);
}

static void on_choose_laguerre(HWND window)
{
    polynomial_kind = KIND_LAGUERRE;
    select_polynomial_kind(window);
}

static void on_choose_hermite(HWND window)
{
    polynomial_kind = KIND_HERMITE;
    select_polynomial_kind(window);
}

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate_quadrature},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_RADIO_LEGENDRE, on_choose_legendre},
    {ID_RADIO_LAGUERRE, on_choose_laguerre},
    {ID_RADIO_HERMITE, on_choose_hermite},
};

// Legendre checked, the other two cleared.
static void finish_controls(HWND)
{
    polynomial_kind = KIND_LEGENDRE;
    check_radio_button(radio_kind, 3, KIND_LEGENDRE);
}

static void paint_extras(HDC dc)
{
    paint_busy_box(dc, BUSY_BOX);
}

const ProgramInfo program_info = {
    .class_name = "ZEROS_POLYNOMIAL_95",
    .initial_title = "Zeros_of_Polynomial_95",
    .title_en = "Zeros and Weight-factors",
    .title_ja = "多項式の零点と重み関数",
    .width = 351,
    .height_addend = 177,
    .exe_name = "POMREL95.EXE",
    .readme_name = "POMREL95.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 2,
    .list_last = 30,
    .finish_controls = finish_controls,
    .paint_extras = paint_extras,
};

// A base in Helv 20/700 with a superscript in Helv height/700 six pixels
// higher; returns the x just right of the superscript.
static int draw_with_large_superscript(HDC dc, int x, int y, const char *base, const char *sup, int height)
{
    int end = draw_bold_text(dc, x, y, base, 20);
    return draw_bold_text(dc, end, y - 6, sup, height);
}

// Lines in text_color with a pen of the given width through the points.
static void draw_strokes(HDC dc, int width, const POINT *points, int count)
{
    HPEN pen = CreatePen(PS_SOLID, width, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, points[0].x, points[0].y, NULL);
    for (int i = 1; i < count; i++)
        LineTo(dc, points[i].x, points[i].y);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// A third bar under the "=" that starts at x, so that it reads as an
// identity sign.
static void draw_identity_bar(HDC dc, int x)
{
    const POINT bar[] = {{x + 1, 26}, {x + 9, 26}};
    draw_strokes(dc, 1, bar, 2);
}

// The radical sign over the text from start to end: its bar at y = 14 and
// its hook to the left of start.
static void draw_radical_sign(HDC dc, int start, int end)
{
    const POINT bar[] = {{end - 1, 14}, {start, 14}};
    const POINT hook[] = {{start + 2, 14}, {start - 3, 29}, {start - 4, 26}, {start - 5, 28}};
    draw_strokes(dc, 2, bar, 2);
    draw_strokes(dc, 2, hook, 4);
}

// Legendre:  P(n;x) = 0
// Laguerre:  L*(n;x) := n! L(n;x) = 0
// Hermite:   H*(n;x) := 2^(n/2) H(n;x sqrt 2) = 0
// followed by the degree range in smaller type.
void draw_formula(HDC dc)
{
    HBRUSH brush = CreateSolidBrush(back_color);
    FillRect(dc, &FORMULA_LINE, brush);
    DeleteObject(brush);
    const int y = 12;
    if (polynomial_kind == KIND_LEGENDRE) {
        draw_bold_text(dc, 15, y, "P(n;x) = 0", 20);
    } else if (polynomial_kind == KIND_LAGUERRE) {
        int x = draw_bold_text(dc, 15, y, "L", 20);
        x = draw_bold_text(dc, x, y, "*", 20);
        x = draw_bold_text(dc, x, y, "(n;x) ", 20);
        draw_bold_text(dc, x, y, "= n! L(n;x) = 0", 20);
        draw_identity_bar(dc, x);
    } else {
        int x = draw_bold_text(dc, 15, y, "H", 20);
        x = draw_bold_text(dc, x, y, "*", 20);
        x = draw_bold_text(dc, x, y, "(n;x) ", 20);
        int equals = x;
        x = draw_bold_text(dc, x, y, "= ", 20);
        draw_identity_bar(dc, equals);
        x = draw_with_large_superscript(dc, x, y, "2", "n/2", 10);
        x = draw_bold_text(dc, x + 1, y, "H(n;x ", 20);
        int root_start = x + 1;
        x = draw_bold_text(dc, root_start, y, " 2 ", 20);
        draw_radical_sign(dc, root_start, x);
        draw_bold_text(dc, x, y, ") = 0", 20);
    }
    int range_x = 44 + measure_formula_text(dc, "H*(n;x) = n  H(n;x  2 ) = 0", 20, 700).cx;
    draw_bold_text(dc, range_x, y, "[ n = 2,3,4,...  ]", 14);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {14, 110, 27, 130};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 400, 37, 45, 65, choose_text("Legendre polynomial", "ルジャンドル多項式"));
    draw_label(dc, 12, 400, 37, 63, 83, choose_text("Laguerre polynomial", "ラゲール多項式"));
    draw_label(dc, 12, 400, 37, 81, 101, choose_text("Hermite polynomial", "エルミート多項式"));
    draw_label(dc, 12, 700, 35, 143, 163, choose_text("Output results (deg. 2 to n).", "結果の出力(2次 から n次)"));
}
