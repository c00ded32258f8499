// wibsor03: the window of the associated Legendre program: an order list m
// and a degree list n, no normalization, and a command table shifted by one.
#include "associated_legendre.h"
#include "formula_text.h"
#include "shell.h"

enum {
    ID_LIST_ORDER = 101,
    ID_LIST_DEGREE = 102,
    ID_PAIR_ABOUT = 103,
    ID_PAIR_EXIT = 104,
    ID_PAIR_CALC = 105,
    ID_PAIR_OUTPUT_ALL = 106
};

static HWND list_degree;  // the degree list n; the shell's combo_degree is the order list m

static const DWORD LIST_STYLE =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;

static const ControlSpec controls[] = {
    {ID_LIST_ORDER, "COMBOBOX", LIST_STYLE, 30, 65, 70, 200, NULL, NULL, &combo_degree},
    {ID_LIST_DEGREE, "COMBOBOX", LIST_STYLE, 140, 65, 70, 200, NULL, NULL, &list_degree},
    {ID_PAIR_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 65, 70, 20, "About", "御案内", &btn_about},
    {ID_PAIR_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 95, 70, 20, "Exit", "終了", &btn_exit},
    {ID_PAIR_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 272, 125, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_PAIR_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 127, 16, 16, NULL, NULL, &chk_output_all},
};

// m from the order list, n from the degree list; m > n is allowed (the zero polynomial).
static void on_calculate_pair(HWND window)
{
    order_m = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0);
    degree = (int)SendMessageA(list_degree, CB_GETCURSEL, 0, 0);
    save_solution(window);
}

static const CommandSpec commands[] = {
    {ID_PAIR_ABOUT, show_about_dialog},
    {ID_PAIR_EXIT, on_exit},
    {ID_PAIR_CALC, on_calculate_pair},
    {ID_PAIR_OUTPUT_ALL, on_toggle_output_all},
};

// The degree list holds the same items as the order list: "0" to "100", the first selected.
static void fill_degree_list(HWND)
{
    fill_number_list(list_degree, 0, 100);
}

const ProgramInfo program_info = {
    .class_name = "ASSOCIATED_LGDR_03",
    .initial_title = "Associated_Legendre_03",
    .title_en = "Associated Legendre Polynomial",
    .title_ja = "ルジャンドル陪多項式",
    .width = 390,
    .height_addend = 161,
    .exe_name = "WIBSOR03.EXE",
    .readme_name = "WIBSOR03.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
    .second_list_id = ID_LIST_DEGREE,
    .second_list = &list_degree,
    .finish_controls = fill_degree_list,
};

// A small superscript 2 drawn with a 1-pixel pen, its top-left pixel at (x, y).
static void draw_small_two(HDC dc, int x, int y)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    SetPixel(dc, x, y, text_color);
    const POINT stroke[] = {{x + 1, y - 1}, {x + 2, y - 1}, {x + 3, y}, {x + 3, y + 1}, {x, y + 4}, {x, y + 5}, {x + 4, y + 5}};
    MoveToEx(dc, stroke[0].x, stroke[0].y, NULL);
    for (int i = 1; i < 7; i++)
        LineTo(dc, stroke[i].x, stroke[i].y);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// P_n^m(x) = (1 - x^2)^(m/2); returns X, the x where "m/2" starts.
static int draw_head(HDC dc)
{
    int x = draw_bold_text(dc, 15, 20, "P", 18);
    int lower = draw_bold_text(dc, x, 29, "n", 14);
    int upper = draw_bold_text(dc, x, 16, "m", 14);
    int two = draw_bold_text(dc, lower > upper ? lower : upper, 20, "(x) = (1 - x", 18);
    // the exponent after " )", whose opaque cell would otherwise cover it
    x = draw_bold_text(dc, two + 2, 20, " )", 18);
    draw_small_two(dc, two, 21);
    draw_sized_bold_text(dc, x, 14, "m/2", 10);
    return x;
}

// (-1/2)^s (2n-2s-1)!! over s! (n-m-2s)!, from X+70; returns the numerator's right end.
static int draw_term_fraction(HDC dc, int x_mark, int mid)
{
    int left = x_mark + 70;
    int right = draw_bold_text_above(dc, left, mid + 17, "(-1/2)", 18);
    right = draw_bold_text(dc, right, 3, "s", 10);
    right = draw_bold_text_above(dc, right, mid + 17, "  (2n-2s-1)!!", 18);
    draw_bold_text(dc, x_mark + 90, mid + 22, "s! (n-m-2s)!", 18);
    draw_fraction_bar(dc, left, mid + 20, right - left);
    return right;
}

// P_n^m(x) = (1 - x^2)^(m/2) sum over s = 0..[(n-m)/2] of
//   (-1/2)^s (2n-2s-1)!! / (s! (n-m-2s)!) x^(n-m-2s)
void draw_formula(HDC dc)
{
    int mid = measure_formula_text(dc, "P", 18, 700).cy / 2;
    int x_mark = draw_head(dc);
    draw_small_text(dc, x_mark + 27, 5, "[(n-m)/2]");
    draw_sigma(dc, x_mark + 39, 20);
    draw_small_text(dc, x_mark + 34, 37, "s = 0");
    int right = draw_term_fraction(dc, x_mark, mid);
    int x = draw_bold_text(dc, right + 8, 20, "x", 18);
    draw_sized_bold_text(dc, x, 17, "n-m-2s", 10);
}

void draw_labels(HDC dc)
{
    RECT order_box = {10, 65, 25, 85};
    RECT degree_box = {120, 65, 135, 85};
    draw_label_box(dc, 12, 400, order_box, "m:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 125, 145, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
}
