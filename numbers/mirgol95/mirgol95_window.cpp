// mirgol95: the window of the generalized Fibonacci program.
#include "generalized_fibonacci.h"
#include "numeric_entry.h"
#include "shell.h"

enum { ID_EDIT_P = 102, ID_EDIT_Q = 103, ID_ABOUT = 104, ID_EXIT = 105, ID_CALC = 106, ID_ALL = 107 };

enum { ZERO_INDEX_ITEM = 100 };  // the list item "0", selected at start

static HWND edit_p;  // the starting value p = G[0]
static HWND edit_q;  // the starting value q = G[1]

static const ControlSpec controls[] = {
    {ID_COMBO_DEGREE, "COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
     55, 80, 70, 200, NULL, NULL, &combo_degree},
    {ID_EDIT_P, "EDIT", NUMERIC_ENTRY_STYLE, 35, 50, 90, 20, NULL, NULL, &edit_p},
    {ID_EDIT_Q, "EDIT", NUMERIC_ENTRY_STYLE, 190, 50, 90, 20, NULL, NULL, &edit_q},
    {ID_ABOUT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 50, 70, 20, "About", "御案内", &btn_about},
    {ID_EXIT, "BUTTON", WS_CHILD | WS_VISIBLE, 332, 80, 70, 20, "Exit", "終了", &btn_exit},
    {ID_CALC, "BUTTON", WS_CHILD | WS_VISIBLE, 302, 110, 100, 20, "Calculation", "計算実行", &btn_calc},
    {ID_ALL, "BUTTON", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 15, 112, 16, 16, NULL, NULL, &chk_output_all},
};

static void on_filter_p(HWND)
{
    filter_numeric_entry(edit_p, NUMERIC_SIGNED);
}

static void on_filter_q(HWND)
{
    filter_numeric_entry(edit_q, NUMERIC_SIGNED);
}

// The box's text must be a finite number; an empty box, or a text that holds
// none (such as "nan" or "inf", should one get past the filter), is reported
// as holding no numerical value, and the box is emptied and focused.
static int read_start_box(HWND window, HWND edit, const char *text_en, const char *text_ja, double *value)
{
    char text[NUMERIC_BUF_SIZE];
    read_numeric_entry(edit, text);
    if (text[0] == '\0') {
        report_empty_entry(window, edit, text_en, text_ja);
        return 0;
    }
    if (!read_start_value(text, value)) {
        clear_numeric_entry(edit);
        report_empty_entry(window, edit, text_en, text_ja);
        return 0;
    }
    return 1;
}

// The Calculation command: p and q, then the index n = list item - 100.
static void on_calculate_numbers(HWND window)
{
    if (!read_start_box(window, edit_p, "No numerical value in the Editbox (p:)!",
                        "エディットボックス (p:) に数値がありません!", &param_p))
        return;
    if (!read_start_box(window, edit_q, "No numerical value in the Editbox (q:)!",
                        "エディットボックス (q:) に数値がありません!", &param_q))
        return;
    on_calculate(window);
}

static const CommandSpec commands[] = {
    {ID_EDIT_P, on_filter_p},
    {ID_EDIT_Q, on_filter_q},
    {ID_ABOUT, show_about_dialog},
    {ID_EXIT, on_exit},
    {ID_CALC, on_calculate_numbers},
    {ID_ALL, on_toggle_output_all},
};

static void finish_controls(HWND)
{
    finish_numeric_entries(edit_p, edit_q);
    SendMessageA(combo_degree, CB_SETCURSEL, ZERO_INDEX_ITEM, 0);
    SetFocus(edit_p);
}

const ProgramInfo program_info = {
    .class_name = "GMIRGOL_NUM_95",
    .initial_title = "gFibonacci_Numbers_95",
    .title_en = "Generalized Fibonacci Numbers",
    .title_ja = "一般化フィボナッチ数",
    .width = 420,
    .height_addend = 146,
    .exe_name = "MIRGOL95.EXE",
    .readme_name = "MIRGOL95.TXT",
    .controls = controls,
    .control_count = sizeof controls / sizeof controls[0],
    .commands = commands,
    .command_count = sizeof commands / sizeof commands[0],
    .list_first = FIBONACCI_FIRST_INDEX,
    .list_last = FIBONACCI_LAST_INDEX,
    .finish_controls = finish_controls,
    .release_extras = release_edit_fonts,
};

void draw_formula(HDC dc)
{
    draw_helv_text(dc, 15, 15, "G[n+2] - G[n+1] - G[n] = 0        [ G[0] = p, G[1] = q ]", 18, 700,
                   DT_SINGLELINE | DT_VCENTER);
}

void draw_labels(HDC dc)
{
    const UINT right_aligned = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
    RECT p_box = {15, 50, 30, 70};
    RECT q_box = {170, 50, 185, 70};
    RECT n_box = {35, 80, 50, 100};
    draw_label_box(dc, 12, 400, p_box, "p:", right_aligned);
    draw_label_box(dc, 12, 400, q_box, "q:", right_aligned);
    draw_label_box(dc, 12, 400, n_box, "n:", right_aligned);
    draw_label(dc, 12, 700, 35, 110, 130, choose_text("Output all Fibonacci numbers", "全フィボナッチ数出力"));
}
