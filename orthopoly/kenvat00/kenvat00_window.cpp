// kenvat00: the window of the ultraspherical program: n and the order m of
// the derivative are both chosen from lists.
#include "shell.h"

#include "formula_text.h"
#include "one_parameter_window.h"
#include "ultraspherical.h"

static HWND combo_m;  // the list of m, items "1" to "101"

static void on_calculate_ultraspherical(HWND window);

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 80, 70, 200, NULL, NULL, &combo_degree},
    {ID_PARAMETER, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     212, 80, 70, 200, NULL, NULL, &combo_m},
    {ID_PARAM_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 80, 70, 20, "About", "御案内", &btn_about},
    {ID_PARAM_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 110, 70, 20, "Exit", "終了", &btn_exit},
    {ID_PARAM_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 140, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_PARAM_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 117, 16, 16, NULL, NULL, &chk_output_all},
    {ID_PARAM_CHK_NORMALIZE, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 142, 16, 16, NULL, NULL, &chk_normalize},
};

static const CommandSpec commands[] = {
    {ID_PARAM_BTN_ABOUT, show_about_dialog},
    {ID_PARAM_BTN_EXIT, on_exit},
    {ID_PARAM_BTN_CALC, on_calculate_ultraspherical},
    {ID_PARAM_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_PARAM_CHK_NORMALIZE, on_toggle_normalize},
};

static void fill_m_list(HWND)
{
    fill_number_list(combo_m, 1, 101);
}

const ProgramInfo program_info = {
    .class_name = "ULTRASPHE_POLY_00",
    .initial_title = "UltraSphe_Poly_00",
    .title_en = "Ultraspherical Polynomial",
    .title_ja = "超球多項式",
    .width = 420,
    .height_addend = 176,
    .exe_name = "KENVAT00.EXE",
    .readme_name = "KENVAT00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 1,
    .list_last = 101,
    .second_list_id = ID_PARAMETER,
    .second_list = &combo_m,
    .finish_controls = fill_m_list,
};

// The file holds the polynomial of degree n - m, or the derivatives of
// P(n;x) of every order from n down to m.
static void save_derivatives(HWND window)
{
    save_solution_for_degree(window, degree - order_m);
}

// The m-th derivative exists for m <= n only; both selections stay as they
// were when the pair is refused.
static void on_calculate_ultraspherical(HWND window)
{
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0) + 1;
    order_m = (int)SendMessageA(combo_m, CB_GETCURSEL, 0, 0) + 1;
    if (degree >= order_m) {
        save_derivatives(window);
        return;
    }
    MessageBoxA(window, choose_text("The numerical value of m :  m <= n", "m の数値：  m <= n"),
                choose_text("Information", "お知らせ"), MB_ICONINFORMATION);
}

// A tilde over the P, drawn with a 1-pixel pen.
static void draw_tilde(HDC dc, int x, int y)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, x, y, NULL);
    LineTo(dc, x + 2, y - 2);
    LineTo(dc, x + 3, y - 2);
    LineTo(dc, x + 7, y + 2);
    LineTo(dc, x + 8, y + 2);
    LineTo(dc, x + 10, y);
    LineTo(dc, x + 10, y - 1);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// P(n,m;x) = sum over s = 0..[(n-m)/2] of (-1)^s (2n-2s-1)!! / (2^s s! (n-m-2s)!) x^(n-m-2s)
void draw_formula(HDC dc)
{
    const char *head = "P(n,m;x) =  ";
    int w = draw_bold_text(dc, 15, 20, head, 18) - 15;
    int h = measure_formula_text(dc, head, 18, 700).cy;
    draw_tilde(dc, 16, 17);
    draw_small_text(dc, w - 2, 5, "[(n-m)/2]");
    draw_sigma(dc, w + 12, 20);
    draw_small_text(dc, w + 7, 37, "s = 0");

    int numerator_y = h / 2 + 17 - measure_formula_text(dc, "(-1)", 18, 700).cy;
    int x = draw_with_superscript(dc, w + 47, numerator_y, "(-1)", "s", 10);
    draw_bold_text(dc, x + 5, numerator_y, "(2n - 2s - 1)!!", 18);

    x = draw_with_superscript(dc, w + 48, h / 2 + 24, "2", "s", 10);
    x = draw_bold_text(dc, x + 7, h / 2 + 22, "s!", 18);
    int denominator_end = draw_bold_text(dc, x + 14, h / 2 + 22, "(n - m - 2s)!", 18);
    draw_fraction_bar(dc, w + 41, h / 2 + 20, denominator_end + 4 - (w + 41));

    draw_with_superscript(dc, denominator_end + 12, 20, "x", "n-m-2s", 10);
    draw_range_line(dc, 15, 56, 312, "[ m <= n ]");
}

void draw_labels(HDC dc)
{
    static const ParameterLabels labels = {
        {8, 80, 50, 100}, "m:", {165, 80, 207, 100},
        115, "Output polynomials (deg. 0 to n-m)", "多項式出力(0次 から n-m次)", 140,
    };
    draw_parameter_labels(dc, labels);
}
