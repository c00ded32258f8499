// nolquy00: the window of the discrete Tchebycheff program: the degree n and
// the number of points m are both chosen from lists.
#include "shell.h"

#include "formula_text.h"
#include "discrete_tchebycheff.h"
#include "one_parameter_window.h"

static HWND combo_m;  // the list of m, items "1" to "100"

static void on_calculate_discrete(HWND window);

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 85, 70, 200, NULL, NULL, &combo_degree},
    {ID_PARAMETER, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     212, 85, 70, 200, NULL, NULL, &combo_m},
    {ID_PARAM_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 55, 70, 20, "About", "御案内", &btn_about},
    {ID_PARAM_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 85, 70, 20, "Exit", "終了", &btn_exit},
    {ID_PARAM_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 115, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_PARAM_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 117, 16, 16, NULL, NULL, &chk_output_all},
};

static const CommandSpec commands[] = {
    {ID_PARAM_BTN_ABOUT, show_about_dialog},
    {ID_PARAM_BTN_EXIT, on_exit},
    {ID_PARAM_BTN_CALC, on_calculate_discrete},
    {ID_PARAM_CHK_OUTPUT_ALL, on_toggle_output_all},
};

static void fill_m_list(HWND)
{
    fill_number_list(combo_m, 1, 100);
}

const ProgramInfo program_info = {
    .class_name = "TCHEBYCHEFF_POLY_00",
    .initial_title = "Nolquy_Polynomial_00",
    .title_en = "Tchebycheff Orthogonal Polynomial",
    .title_ja = "チェビシェフ直交多項式",
    .width = 420,
    .height_addend = 151,
    .exe_name = "NOLQUY00.EXE",
    .readme_name = "NOLQUY00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
    .second_list_id = ID_PARAMETER,
    .second_list = &combo_m,
    .finish_controls = fill_m_list,
};

// The polynomials exist for m >= n + 1 points only; both selections stay
// as they were when the pair is refused.
static void on_calculate_discrete(HWND window)
{
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0);
    param_m = (int)SendMessageA(combo_m, CB_GETCURSEL, 0, 0) + 1;
    if (degree + 1 <= param_m) {
        save_solution(window);
        return;
    }
    MessageBoxA(window, choose_text("The numerical value of m :  n + 1 <= m", "m の数値：  n + 1 <= m"),
                choose_text("Information", "お知らせ"), MB_ICONINFORMATION);
}

static void draw_polyline(HDC dc, int x, int y, const POINT *offsets, int count, int pen_width)
{
    HPEN pen = CreatePen(PS_SOLID, pen_width, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, x + offsets[0].x, y + offsets[0].y, NULL);
    for (int i = 1; i < count; i++)
        LineTo(dc, x + offsets[i].x, y + offsets[i].y);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// The script letter of the polynomial's name, drawn with a 2-pixel pen.
static void draw_polynomial_glyph(HDC dc, int x, int y)
{
    static const POINT points[] = {
        {0, -1}, {0, 0}, {4, 1}, {4, 0}, {0, 3}, {0, 4}, {4, 6}, {5, 5}, {0, 6},
        {-1, 7}, {-1, 8}, {0, 9}, {2, 10}, {5, 10}, {6, 11}, {6, 12}, {4, 13}, {2, 13},
    };
    draw_polyline(dc, x, y, points, sizeof points / sizeof points[0], 2);
}

// text in Helv 18/700 with a small superscript 3 drawn by pixels and lines,
// as wide as sup in Helv 10/400; returns the x right of both.
static int draw_cubed_factorial(HDC dc, int x, int y, const char *text, const char *sup)
{
    int c = draw_bold_text(dc, x, y, text, 18);
    int sup_width = measure_formula_text(dc, sup, 10, 400).cx;
    static const POINT stroke[] = {
        {2, -1}, {4, -1}, {5, 0}, {5, 1}, {4, 2}, {3, 2}, {4, 2}, {5, 3}, {5, 4}, {4, 5}, {1, 5},
    };
    SetPixel(dc, c + 1, y, text_color);
    draw_polyline(dc, c, y, stroke, sizeof stroke / sizeof stroke[0], 1);
    SetPixel(dc, c + 1, y + 4, text_color);
    return c + sup_width;
}

// t(n,m;x) = (n!)^3 / (2n)! * sum over s = 0..n of
//            C(n+s,s) C(n-m,n-s) (x-1) (x-2) ... (x-s) / s!
void draw_formula(HDC dc)
{
    draw_polynomial_glyph(dc, 15, 20);
    const char *head = "(n,m;x) = ";
    int x_head = draw_bold_text(dc, 25, 20, head, 18);
    int half_head = measure_formula_text(dc, head, 18, 700).cy / 2;
    draw_range_line(dc, 15, 56, 312, "[ n +1 <= m ]");

    int factorial_height = measure_formula_text(dc, "(n!)", 18, 700).cy;
    int e = draw_cubed_factorial(dc, x_head, half_head - factorial_height + 17, "(n!)", "3");
    draw_bold_text(dc, x_head, half_head + 22, "(2n)!", 18);
    draw_fraction_bar(dc, x_head, half_head + 20, e - x_head);

    int s = e + 25;
    draw_small_text(dc, s - 12, 5, "n");
    draw_sigma(dc, s - 16, 20);
    draw_small_text(dc, s - 21, 37, "s = 0");
    int x = draw_binomial(dc, s + 4, 20, "n+s", "s", 10);
    int b = draw_binomial(dc, x + 5, 20, "n-m", "n-s", 10);

    SIZE product = measure_formula_text(dc, "(x-1) (x-2) ... (x-s)", 18, 700);
    int product_y = half_head - product.cy + 17;
    x = draw_bold_text(dc, b + 7, product_y, "(x-1) (x-2)", 18);
    x = draw_bold_text(dc, x, product_y - 3, " ... ", 18);
    draw_bold_text(dc, x, product_y, "(x-s)", 18);
    int s_width = measure_formula_text(dc, "s!", 18, 700).cx;
    draw_bold_text(dc, b + 7 + (product.cx - s_width) / 2, half_head + 22, "s!", 18);
    draw_fraction_bar(dc, b + 5, half_head + 20, product.cx + 4);
}

void draw_labels(HDC dc)
{
    static const ParameterLabels labels = {
        {8, 85, 50, 105}, "m:", {165, 85, 207, 105},
        115, "Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)", 0,
    };
    draw_parameter_labels(dc, labels);
}
