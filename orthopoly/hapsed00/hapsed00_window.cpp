// hapsed00: the window of the Neumann program: one check box, no normalization.
#include "formula_text.h"
#include "shell.h"

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 85, 70, 200, NULL, NULL, &combo_degree},
    {ID_BTN_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 55, 70, 20, "About", "御案内", &btn_about},
    {ID_BTN_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 85, 70, 20, "Exit", "終了", &btn_exit},
    {ID_BTN_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 115, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_CHK_OUTPUT_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 117, 16, 16, NULL, NULL, &chk_output_all},
};

static const CommandSpec commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
};

const ProgramInfo program_info = {
    .class_name = "NEUMANN_POLY_00",
    .initial_title = "Neumann_Polynomial_00",
    .title_en = "Neumann Polynomial",
    .title_ja = "ノイマン多項式",
    .width = 420,
    .height_addend = 151,
    .exe_name = "HAPSED00.EXE",
    .readme_name = "HAPSED00.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 0,
    .list_last = 99,
};

// O(n;t) = sum over s = 0..[n/2] of 2^(n-2s-1) (n-s-1+d(n))! (n+d(n)) / s! t^-(n-2s+1)
// with d(0) = 2 and d(n) = 0 for n >= 1
void draw_formula(HDC dc)
{
    SIZE head = measure_formula_text(dc, "O(n;t) =  ", 18, 700);
    int mid = head.cy / 2;
    draw_bold_text(dc, 15, 20, "O(n;t) =  ", 18);
    static const char legend[] = "[ d(0) = 2  ;  d(n) = 0 (n=1,2,3,...) ]";
    draw_bold_text_centred(dc, 15, 312, 56, legend, 14);
    draw_small_text(dc, head.cx + 4, 5, "[n/2]");
    draw_sigma(dc, head.cx + 9, 20);
    draw_small_text(dc, head.cx + 4, 37, "s = 0");

    int left = head.cx + 38;
    int top = mid + 17 - measure_formula_text(dc, "2", 18, 700).cy;
    int right = draw_with_superscript(dc, left, top, "2", "n-2s-1", 10);
    right = draw_bold_text(dc, right + 5, top, "(n-s-1+d(n))!", 18);
    right = draw_bold_text(dc, right + 12, top, "(n+d(n))", 18);
    draw_bold_text_centred(dc, left, right, mid + 22, "s!", 18);
    draw_fraction_bar(dc, head.cx + 35, mid + 20, right + 3 - (head.cx + 35));
    draw_with_superscript(dc, right + 12, 20, "t", "-(n-2s+1)", 10);
}

void draw_labels(HDC dc)
{
    RECT degree_box = {8, 85, 50, 105};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 115, 135,
               choose_text("Output polynomials (deg. -1 to -n-1)", "多項式出力(-1次 から -(n+1)次)"));
}
