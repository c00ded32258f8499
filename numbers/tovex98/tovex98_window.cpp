// tovex98: the window of the Eulerian numbers program: the all-rows box and
// the second-order box, the list from n = 1.
#include "eulerian_numbers.h"
#include "formula_text.h"
#include "note_frame.h"
#include "shell.h"

enum { ID_CHK_SECOND_ORDER = 106 };

static HWND chk_second_order;  // the second-order check box

static void on_toggle_second_order(HWND)
{
    second_order = toggle_check_box(chk_second_order);
}

// The order box cleared, and both triangles emptied: the only place where
// they are reset.
static void finish_controls(HWND)
{
    SendMessageA(chk_second_order, BM_SETCHECK, 0, 0);
    second_order = 0;
    reset_eulerian_triangles();
}

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 97, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 90, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 120, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 150, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 129, 16, 16, NULL, NULL, &chk_output_all},
    {ID_CHK_SECOND_ORDER, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 152, 16, 16, NULL, NULL, &chk_second_order},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_CHK_SECOND_ORDER, on_toggle_second_order},
};

const ProgramInfo program_info = {
    .class_name = "EULRN_NUMBER_98",
    .initial_title = "Eulerian_Numbers_98",
    .title_en = "Eulerian Numbers",
    .title_ja = "オイラリアン数",
    .width = 420,
    .height_addend = 183,
    .exe_name = "TOVEX98.EXE",
    .readme_name = "TOVEX98.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 1,
    .list_last = 100,
    .finish_controls = finish_controls,
};

// Draws the lines of a glyph with a one-pixel pen in text_color.
static void draw_glyph_lines(HDC dc, const POINT *points, int count)
{
    MoveToEx(dc, points[0].x, points[0].y, NULL);
    for (int i = 1; i < count; i++)
        LineTo(dc, points[i].x, points[i].y);
}

// A subscript digit 1, 4 by 8 pixels from (x, y): the flag and a stem two
// pixels wide.
static void draw_subscript_one(HDC dc, int x, int y)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    const POINT flag[] = {{x, y + 1}, {x + 3, y + 1}};
    const POINT stem[] = {{x + 2, y}, {x + 2, y + 7}};
    const POINT stem_double[] = {{x + 3, y}, {x + 3, y + 7}};
    draw_glyph_lines(dc, flag, 2);
    draw_glyph_lines(dc, stem, 2);
    draw_glyph_lines(dc, stem_double, 2);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// A subscript digit 2, 7 by 7 pixels from (x, y): the arc, the diagonal
// and the foot, and four pixels that round the arc.
static void draw_subscript_two(HDC dc, int x, int y)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    const POINT outline[] = {{x, y + 1}, {x + 1, y}, {x + 4, y}, {x + 5, y + 1}, {x, y + 6}, {x + 6, y + 6}};
    const POINT diagonal[] = {{x + 5, y + 2}, {x + 1, y + 6}};
    draw_glyph_lines(dc, outline, 6);
    draw_glyph_lines(dc, diagonal, 2);
    SetPixel(dc, x + 4, y + 1, text_color);
    SetPixel(dc, x, y + 2, text_color);
    SetPixel(dc, x + 1, y + 1, text_color);
    SetPixel(dc, x + 1, y + 2, text_color);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

static int formula_width(HDC dc, const char *text)
{
    return measure_formula_text(dc, text, 18, 700).cx;
}

// x^n = sum over m = 0..n-1 of A1(n,m) C(x+m, n) and
// s(x, x-n) = sum over m = 0..n-1 of A2(n,m) C(x+m, 2n), with a framed note.
void draw_formula(HDC dc)
{
    const char *first_line = "x    =        A  (n,m)";
    const char *second_line = "s(x, x-n) =        A  (n,m)";
    draw_bold_text(dc, 15, 20, first_line, 18);
    draw_bold_text(dc, 15, 58, second_line, 18);

    int w = formula_width(dc, "x    = ");
    draw_small_text(dc, w + 17, 5, "n-1");
    draw_sigma(dc, w + 17, 20);
    draw_small_text(dc, w + 11, 37, "m = 0");
    draw_subscript_one(dc, formula_width(dc, "x    =        A") + 15, 28);
    draw_sized_bold_text(dc, formula_width(dc, "x") + 15, 16, "n", 10);
    draw_binomial(dc, formula_width(dc, first_line) + 23, 20, "x+m", "n", 10);

    w = formula_width(dc, "s(x, x-n) = ");
    draw_small_text(dc, w + 17, 43, "n-1");
    draw_sigma(dc, w + 17, 58);
    draw_small_text(dc, w + 11, 75, "m = 0");
    draw_subscript_two(dc, formula_width(dc, "s(x, x-n) =        A") + 15, 66);
    int right = draw_binomial(dc, formula_width(dc, second_line) + 23, 58, "x+m", "  n", 10);
    draw_subscript_two(dc, right - 15, 66);  // the lower index reads 2n

    SIZE second = measure_formula_text(dc, "number (1st kind)", 14, 700);
    int left = 397 - second.cx;
    SIZE first = draw_helv_text(dc, left, 20, "s(h,k):  Stirling", 14, 700, DT_SINGLELINE | DT_VCENTER);
    draw_helv_text(dc, left, first.cy + 26, "number (1st kind)", 14, 700, DT_SINGLELINE | DT_VCENTER);
    draw_note_frame(dc, 392 - second.cx, 15, 402, 57);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {35, 97, 50, 117};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 127, 147,
               choose_text("Output Z(1,0) to Z(n,n-1). [Z = A   or A  ]", "出力 Z(1,0) から Z(n,n-1). [Z = A   or A  ]"));
    draw_label(dc, 12, 700, 35, 150, 170, choose_text("Second-order Eulerian numbers", "２階のオイラリアン数"));
    const char *one_prefix = choose_text("Output Z(1,0) to Z(n,n-1). [Z = A", "出力 Z(1,0) から Z(n,n-1). [Z = A");
    const char *two_prefix =
        choose_text("Output Z(1,0) to Z(n,n-1). [Z = A   or A", "出力 Z(1,0) から Z(n,n-1). [Z = A   or A");
    draw_subscript_one(dc, 35 + measure_label_text(dc, one_prefix, 12, 700).cx, 136);
    draw_subscript_two(dc, 35 + measure_label_text(dc, two_prefix, 12, 700).cx, 136);
}
