// nusk00: the window of the Bell polynomial program.
#include "formula_text.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 60, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 30, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 60, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 90, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 92, 16, 16, NULL, NULL, &chk_output_all},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
};

const ProgramInfo program_info = {
    .class_name = "BELL_POLY_00",
    .initial_title = "Bell_Polynomial_00",
    .title_en = "Bell Polynomial",
    .title_ja = "ベル多項式",
    .width = 420,
    .height_addend = 126,
    .exe_name = "NUSK00.EXE",
    .readme_name = "NUSK00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
};

// The letter phi in pen strokes from (x, y): a doubled ellipse crossed by a
// doubled slanted stem. An arc whose start and end points coincide is closed.
static void draw_phi(HDC dc, int x, int y)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    Arc(dc, x, y + 6, x + 10, y + 13, x + 5, y + 6, x + 5, y + 6);
    Arc(dc, x + 1, y + 6, x + 9, y + 13, x + 5, y + 6, x + 5, y + 6);
    MoveToEx(dc, x + 7, y + 3, NULL);
    LineTo(dc, x + 3, y + 16);
    MoveToEx(dc, x + 6, y + 3, NULL);
    LineTo(dc, x + 2, y + 16);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// phi_n(x) = sum over m = 0..n of x^m sum over s = 0..m of (-1)^s (m-s)^n / (s! (m-s)!)
void draw_formula(HDC dc)
{
    draw_phi(dc, 15, 20);
    SIZE index = draw_helv_text(dc, 25, 25, "n", 18, 700, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    SIZE head = draw_helv_text(dc, 25 + index.cx, 20, "(x) = ", 18, 700, DT_SINGLELINE | DT_VCENTER);
    int x1 = 25 + index.cx + head.cx;
    int x2 = draw_bold_text(dc, x1 + 25, 20, "x", 18);

    draw_small_text(dc, x1 + 5, 5, "n");
    draw_sigma(dc, x1 + 2, 20);
    draw_small_text(dc, x1 - 3, 37, "m = 0");
    draw_sized_bold_text(dc, x2, 14, "m", 10);

    draw_small_text(dc, x2 + 22, 5, "m");
    draw_sigma(dc, x2 + 19, 20);
    draw_small_text(dc, x2 + 15, 37, "s = 0");

    int half = head.cy / 2;
    // the exponent s of (-1) goes on after "  (m-s)", whose opaque blanks it overlaps
    int sign_end = draw_bold_text_above(dc, x2 + 42, half + 17, "(-1)", 18);
    int x = draw_bold_text_above(dc, sign_end, half + 17, "  (m-s)", 18);
    draw_sized_bold_text(dc, sign_end, 3, "s", 10);
    draw_sized_bold_text(dc, x, 3, "n", 10);
    draw_bold_text(dc, x2 + 52, half + 22, "s! (m-s)!", 18);
    draw_fraction_bar(dc, x2 + 39, half + 20, x - x2 - 29);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 60, 50, 80};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 90, 110, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
}
