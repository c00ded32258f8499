// zolvin01: the window of the program of the Bernoulli polynomials of the second kind.
#include "busy_box.h"
#include "formula_text.h"
#include "shell.h"
#include "topmost_calculation.h"

static const RECT busy_box_place = {199, 56, 301, 78};  // the "In Process" box

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     95, 57, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 27, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 57, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 87, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 89, 16, 16, NULL, NULL, &chk_output_all},
};

// n = list index.
static void on_calculate_bernoulli(HWND window)
{
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0);
    save_solution_topmost(window, busy_box_place);
}

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate_bernoulli},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
};

static void paint_extras(HDC dc)
{
    paint_busy_box(dc, busy_box_place);
}

const ProgramInfo program_info = {
    .class_name = "BERNOULLI_POLY_01",
    .initial_title = "Bernoulli_Polynomial_01",
    .title_en = "Bernoulli Polynomial of the 2nd Kind",
    .title_ja = "第二種ベルヌーイ多項式",
    .width = 420,
    .height_addend = 120,
    .exe_name = "ZOLVIN01.EXE",
    .readme_name = "ZOLVIN01.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
    .paint_extras = paint_extras,
    .on_message = answer_bring_to_front,
};

// An integral sign of eight one-pixel columns round the middle height y:
// the lower hook left of x, the stem at x and x+1, the upper hook right of it.
static void draw_integral_sign(HDC dc, int x, int y)
{
    static const int strokes[8][3] = {
        {-3, 17, 21}, {-2, 17, 21}, {-1, 18, 21}, {0, -18, 19},
        {1, -19, 18}, {2, -20, -17}, {3, -20, -16}, {4, -20, -16},
    };
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    for (const auto &stroke : strokes) {
        MoveToEx(dc, x + stroke[0], y + stroke[1], NULL);
        LineTo(dc, x + stroke[0], y + stroke[2] + 1);  // LineTo leaves out its end point
    }
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// b_n(x) = integral from x to x+1 of t (t-1) (t-2) ... (t-(n-1)) dt
void draw_formula(HDC dc)
{
    int x = draw_bold_text(dc, 15, 20, "b", 18);
    x = draw_bold_text(dc, x, 23, "n", 18);
    x = draw_bold_text(dc, x, 20, "(x) =     ", 18);
    x = draw_bold_text(dc, x, 20, "t (t-1) (t-2)", 18);
    x = draw_bold_text(dc, x, 17, " ... ", 18);
    draw_bold_text(dc, x, 20, "(t-(n-1))  dt", 18);

    SIZE head = measure_formula_text(dc, "bn(x) =  ", 18, 700);
    int half = head.cy / 2;
    draw_integral_sign(dc, head.cx + 15, half + 20);
    draw_small_text(dc, head.cx + 18, half + 31, "x");
    draw_small_text(dc, head.cx + 21, half - 5, "x+1");
}

void draw_labels(HDC dc)
{
    RECT degree_box = {75, 57, 90, 77};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 87, 107, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
}
