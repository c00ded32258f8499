// quobit00: the window of the Stirling polynomial program: the shell's two
// check boxes, the list from degree 0.
#include "formula_text.h"
#include "note_frame.h"
#include "shell.h"
#include "stirling_polynomial.h"

// The Eulerian triangle is emptied here, at window creation, and nowhere else.
static void finish_controls(HWND)
{
    clear_eulerian_triangle();
}

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 60, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 64, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 92, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 120, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 97, 16, 16, NULL, NULL, &chk_output_all},
    {ID_CHK_NORMALIZE, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 122, 16, 16, NULL, NULL, &chk_normalize},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_CHK_NORMALIZE, on_toggle_normalize},
};

const ProgramInfo program_info = {
    .class_name = "STIRLING_POLY_00",
    .initial_title = "Stirling_Polynomial_00",
    .title_en = "Stirling Polynomial",
    .title_ja = "スターリング多項式",
    .width = 420,
    .height_addend = 156,
    .exe_name = "QUOBIT00.EXE",
    .readme_name = "QUOBIT00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 100,
    .finish_controls = finish_controls,
};

// S(n;x) = s(x+1, x+1-n) n! / [x(x-1)(x-2) ... (x-n+1)], with a framed note.
void draw_formula(HDC dc)
{
    SIZE head = measure_formula_text(dc, "S(n;x) = ", 18, 700);
    draw_bold_text(dc, 15, 20, "S(n;x) = ", 18);
    int left = 15 + head.cx;
    int middle = head.cy / 2;
    draw_bold_text_above(dc, left, middle + 17, "    s(x+1, x+1-n) n!", 18);
    int x = draw_bold_text(dc, left, middle + 20, "x(x-1)(x-2)", 18);
    x = draw_bold_text(dc, x, middle + 17, " ... ", 18);
    x = draw_bold_text(dc, x, middle + 20, "(x-n+1)", 18);
    draw_fraction_bar(dc, left, middle + 20, x - left - 2);

    SIZE second = measure_formula_text(dc, "number (1st kind)", 14, 700);
    int note_left = 397 - second.cx;
    SIZE first = draw_helv_text(dc, note_left, 15, "s(h,k):  Stirling", 14, 700, DT_SINGLELINE | DT_VCENTER);
    draw_helv_text(dc, note_left, first.cy + 21, "number (1st kind)", 14, 700, DT_SINGLELINE | DT_VCENTER);
    draw_note_frame(dc, 392 - second.cx, 10, 402, 52);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 60, 50, 80};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 95, 115, choose_text("Output polynomials (deg. 0 to n)", "多項式出力(0次 から n次)"));
    draw_label(dc, 12, 700, 35, 120, 140, choose_text("Coefficient normalization", "係数の基準化"));
}
