// quobit95: the window of the Stirling numbers program: one check box, the
// list from n = 1.
#include "formula_text.h"
#include "note_frame.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 100, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 70, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 100, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 130, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 132, 16, 16, NULL, NULL, &chk_output_all},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
};

const ProgramInfo program_info = {
    .class_name = "STLNG_NUMBER_95",
    .initial_title = "Stirling_Numbers_95",
    .title_en = "Stirling Numbers",
    .title_ja = "スターリング数",
    .width = 420,
    .height_addend = 166,
    .exe_name = "QUOBIT95.EXE",
    .readme_name = "QUOBIT95.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 1,
    .list_last = 100,
};

static const UINT NOTE_FLAGS = DT_SINGLELINE | DT_VCENTER;

// x(x-1)...(x-n+1) = sum over m = 0..n of s(n,m) x^m and
// x^n = sum over m = 0..n of S(n,m) x(x-1)...(x-m+1), with a framed note.
void draw_formula(HDC dc)
{
    int x = draw_bold_text(dc, 15, 20, "x(x-1)(x-2)(x-3)", 18);
    x = draw_bold_text(dc, x, 16, "...", 18);
    x = draw_bold_text(dc, x, 20, "(x-n+1) =       s(n,m)  x", 18);
    draw_sized_bold_text(dc, x, 16, "m", 10);

    x = draw_bold_text(dc, 15, 58, "x    =       S(n,m)  x(x-1)(x-2)(x-3)", 18);
    x = draw_bold_text(dc, x, 54, "...", 18);
    draw_bold_text(dc, x, 58, "(x-m+1)", 18);
    draw_sized_bold_text(dc, 15 + measure_formula_text(dc, "x", 18, 700).cx, 54, "n", 10);

    int w1 = measure_formula_text(dc, "x(x-1)(x-2)(x-3)...(x-n+1) = ", 18, 700).cx;
    draw_small_text(dc, w1 + 20, 5, "n");
    draw_sigma(dc, w1 + 17, 20);
    draw_small_text(dc, w1 + 12, 37, "m = 0");
    int w2 = measure_formula_text(dc, "x   = ", 18, 700).cx;
    draw_small_text(dc, w2 + 22, 43, "n");
    draw_sigma(dc, w2 + 19, 58);
    draw_small_text(dc, w2 + 15, 75, "m = 0");

    SIZE second = measure_formula_text(dc, "Stirling numbers", 14, 700);
    int left = 397 - second.cx;
    SIZE first = draw_helv_text(dc, left, 20, "s(n,k), S(n,k):", 14, 700, NOTE_FLAGS);
    draw_helv_text(dc, left, first.cy + 26, "Stirling numbers", 14, 700, NOTE_FLAGS);
    draw_note_frame(dc, 392 - second.cx, 15, 402, 57);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {35, 100, 50, 120};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 130, 150,
               choose_text("Output Z(1,1) to Z(n,n). [Z = s, S]", "出力 Z(1,1) から Z(n,n). [Z = s, S]"));
}
