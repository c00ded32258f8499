// duvest95: the window of the q-binomial program.
#include <cstring>

#include "busy_box.h"
#include "duvest95.h"
#include "formula_text.h"
#include "numeric_entry.h"
#include "shell.h"

HWND edit_q;
HWND combo_m;
HWND result_box;
HWND btn_save, btn_tabulation;
static HDC dc_save, dc_tabulation;                  // the two further buttons' contexts, kept for the program's life
static HGDIOBJ old_font_save, old_font_tabulation;  // the fonts they held before ui_font

const RECT BUSY_BOX = {219, 110, 321, 132};

static const DWORD LIST_STYLE =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
static const DWORD BUTTON_STYLE = WS_CHILD | WS_VISIBLE;

static const ControlSpec controls[] = {
    {ID_EDIT_Q, "EDIT", NUMERIC_ENTRY_STYLE, 40, 85, 80, 20, NULL, NULL, &edit_q},
    {ID_COMBO_N, "COMBOBOX", LIST_STYLE, 155, 85, 70, 200, NULL, NULL, &combo_degree},
    {ID_COMBO_M, "COMBOBOX", LIST_STYLE, 260, 85, 70, 200, NULL, NULL, &combo_m},
    {ID_RESULT_BOX, "EDIT", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_RIGHT, 26, 137, 105, 20, NULL, NULL, &result_box},
    {ID_Q_ABOUT, "BUTTON", BUTTON_STYLE, 373, 59, 70, 20, "About", "御案内", &btn_about},
    {ID_Q_SAVE, "BUTTON", BUTTON_STYLE, 373, 85, 70, 20, "Save", "保存", &btn_save},
    {ID_Q_EXIT, "BUTTON", BUTTON_STYLE, 373, 111, 70, 20, "Exit", "終了", &btn_exit},
    {ID_Q_CALC, "BUTTON", BUTTON_STYLE, 343, 137, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_Q_TABULATION, "BUTTON", BUTTON_STYLE, 220, 137, 100, 20, "Tabulation", "表作成", &btn_tabulation},
};

// Any change of q, and any other notification of its box, empties the
// result before the text is filtered.
static void on_q_changed(HWND)
{
    clear_result_box();
    filter_numeric_entry(edit_q, NUMERIC_UNSIGNED);
}

static void on_list_changed(HWND)
{
    clear_result_box();
}

static void on_calculation(HWND window)
{
    clear_result_buffer();
    on_calculate_q_binomial(window);
}

static void on_tabulation(HWND window)
{
    clear_result_buffer();
    save_q_binomial_table(window);
}

static const CommandSpec commands[] = {
    {ID_EDIT_Q, on_q_changed},
    {ID_COMBO_N, on_list_changed},
    {ID_COMBO_M, on_list_changed},
    {ID_Q_ABOUT, show_about_dialog},
    {ID_Q_SAVE, save_text_result},
    {ID_Q_EXIT, on_exit},
    {ID_Q_CALC, on_calculation},
    {ID_Q_TABULATION, on_tabulation},
};

// The shell gives its font to About, Exit and Calculation; Save and
// Tabulation get it here the same way.
static void set_further_button_fonts()
{
    dc_save = GetDC(btn_save);
    dc_tabulation = GetDC(btn_tabulation);
    old_font_save = SelectObject(dc_save, ui_font);
    old_font_tabulation = SelectObject(dc_tabulation, ui_font);
    SendMessageA(btn_save, WM_SETFONT, (WPARAM)ui_font, TRUE);
    SendMessageA(btn_tabulation, WM_SETFONT, (WPARAM)ui_font, TRUE);
}

// n from 1 (the shell's list), m from 0 to 200, q empty with the focus; the
// result box disabled, so that it can neither be edited nor focused.
static void finish_controls(HWND)
{
    set_further_button_fonts();
    finish_numeric_entries(edit_q, result_box);
    SendMessageA(result_box, EM_LIMITTEXT, 0, 0);  // only q has the limit of 9 characters
    fill_number_list(combo_m, 0, 200);
    SetWindowLongA(result_box, GWL_STYLE, GetWindowLongA(result_box, GWL_STYLE) | WS_VISIBLE | WS_DISABLED);
    SetFocus(edit_q);
}

static void release_extras()
{
    if (dc_tabulation) {
        SelectObject(dc_tabulation, old_font_tabulation);
        ReleaseDC(btn_tabulation, dc_tabulation);
        dc_tabulation = NULL;
    }
    if (dc_save) {
        SelectObject(dc_save, old_font_save);
        ReleaseDC(btn_save, dc_save);
        dc_save = NULL;
    }
    release_edit_fonts();
}

static void paint_extras(HDC dc)
{
    paint_busy_box(dc, BUSY_BOX);
}

const ProgramInfo program_info = {
    .class_name = "Q_BINOMIAL_COEF_95",
    .initial_title = "q_Binomial_Coefficient_95",
    .title_en = "q-Binomial Coefficient",
    .title_ja = "q 二項係数",
    .width = 456,
    .height_addend = 173,
    .exe_name = "DUVEST95.EXE",
    .readme_name = "DUVEST95.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = 1,
    .list_last = 200,
    .second_list_id = ID_COMBO_M,
    .second_list = &combo_m,
    .finish_controls = finish_controls,
    .paint_extras = paint_extras,
    .on_message = answer_bring_to_front,
    .release_extras = release_extras,
};

// A superscript in Helv 14/700 drawn 4 pixels above y (the rectangle of its
// own extent, so bottom-aligned alike); returns the x just right of it.
static int draw_superscript_text(HDC dc, int x, int y, const char *text)
{
    return draw_bold_text(dc, x, y - 4, text, 14);
}

// Lines in text_color, one pixel wide, through the points.
static void draw_strokes(HDC dc, const POINT *points, int count)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    Polyline(dc, points, count);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

// A bracket 34 pixels high centred on y, its strokes doubled on the inside.
static void draw_left_bracket(HDC dc, int x, int y)
{
    const POINT outline[] = {{x + 3, y - 17}, {x, y - 17}, {x, y + 16}, {x + 3, y + 16}};
    const POINT inner[] = {{x + 1, y - 17}, {x + 1, y + 16}};
    draw_strokes(dc, outline, 4);
    draw_strokes(dc, inner, 2);
}

static void draw_right_bracket(HDC dc, int x, int y)
{
    const POINT outline[] = {{x - 3, y - 17}, {x, y - 17}, {x, y + 16}, {x - 3, y + 16}};
    const POINT inner[] = {{x - 1, y - 17}, {x - 1, y + 16}};
    draw_strokes(dc, outline, 4);
    draw_strokes(dc, inner, 2);
}

// The q-bracket symbol: n over m between brackets, q as subscript; returns
// the x just right of the subscript.
static int draw_bracket_symbol(HDC dc, int h)
{
    int centre = 20 + h / 2;
    draw_left_bracket(dc, 16, centre);
    int x = 21;
    int n_end = draw_bold_text(dc, x, centre - h + 2, "n", 18);
    int m_end = draw_bold_text(dc, x, centre - 1, "m", 18);
    int right = (n_end > m_end ? n_end : m_end) + 3;
    draw_right_bracket(dc, right, centre);
    return draw_bold_text(dc, right + 2, 25 + h / 2 - 8, "q", 14);
}

// "= nC[q]m = " with a larger C whose bottom lies one pixel below the line.
static int draw_definition_head(HDC dc, int x, int h)
{
    x = draw_bold_text(dc, x + 4, 20, "= n", 18);
    int c_height = measure_formula_text(dc, "C", 20, 700).cy;
    x = draw_bold_text(dc, x, 20 + h + 1 - c_height, "C", 20);
    x = draw_bold_text(dc, x, 18, "[q]", 18);
    return draw_bold_text(dc, x, 20, "m = ", 18);
}

// One line of the fraction: pieces of text from x on the line from top,
// each "..." raised 4 pixels and each superscript placed from sup_y.
struct FormulaPiece {
    const char *text;
    int raise;        // pixels above the line
    const char *sup;  // the superscript after the text, NULL for none
    int shift;        // pixels of extra space before the piece
};

static int draw_pieces(HDC dc, int x, int top, int sup_y, const FormulaPiece *pieces, int count)
{
    for (int i = 0; i < count; i++) {
        x = draw_bold_text(dc, x + pieces[i].shift, top - pieces[i].raise, pieces[i].text, 18);
        if (pieces[i].sup)
            x = draw_superscript_text(dc, x, sup_y, pieces[i].sup);
    }
    return x;
}

static const FormulaPiece NUMERATOR[] = {
    {" (1 + q +", 0, NULL, 0}, {" ... ", 4, NULL, 0}, {"+ q", 0, "m", 0},      {"   )", 0, NULL, 0},
    {" ... ", 4, NULL, 0},     {"(1 + q +", 0, NULL, 0}, {" ... ", 4, NULL, 0}, {"+ q", 0, "n-1", 0},
    {"     ) ", 0, NULL, 0},
};

static const FormulaPiece DENOMINATOR[] = {
    {" (1 + q)(1 + q + q", 0, "2", 0}, {"  )", 0, NULL, 2},     {" ... ", 4, NULL, 0},
    {"(1 + q +", 0, NULL, 0},         {" ... ", 4, NULL, 0},    {"+ q", 0, "n-m-1", 0},
    {"        ) ", 0, NULL, 1},
};

// [n over m]_q = nC[q]m = ((1+q+...+q^m) ... (1+q+...+q^(n-1)))
//                         / ((1+q)(1+q+q^2) ... (1+q+...+q^(n-m-1)))
// with the note on the range of q and the two symmetries below.
void draw_formula(HDC dc)
{
    int h = measure_formula_text(dc, "m", 18, 700).cy;
    int x = draw_bracket_symbol(dc, h);
    x = draw_definition_head(dc, x, h) + 12;
    draw_pieces(dc, x, 17 - h / 2, 18 - h / 2, NUMERATOR, sizeof NUMERATOR / sizeof NUMERATOR[0]);
    int end = draw_pieces(dc, x, 24 + h / 2, 25 + h / 2, DENOMINATOR, sizeof DENOMINATOR / sizeof DENOMINATOR[0]);
    draw_fraction_bar(dc, x, 20 + h / 2, end - 1 - x);

    draw_bold_text_centred(dc, 15, 358, 58, "[ 0 <= q <= 10  ;  nC[q]m = nC[q]n-m  ;  nC[1]m = nCm ]", 14);
}

void draw_labels(HDC dc)
{
    const UINT right_aligned = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    draw_label_box(dc, 12, 400, RECT{20, 85, 35, 105}, "q:", right_aligned);
    draw_label_box(dc, 12, 400, RECT{135, 85, 150, 105}, "n:", right_aligned);
    draw_label_box(dc, 12, 400, RECT{240, 85, 255, 105}, "m:", right_aligned);
    draw_label_box(dc, 12, 400, RECT{27, 116, 71, 136}, "nC[q]m:", DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}
