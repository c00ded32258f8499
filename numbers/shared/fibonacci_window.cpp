#include "fibonacci_window.h"

#include "fibonacci_polynomial.h"
#include "formula_text.h"

HWND chk_exact_numbers;

void toggle_exact_numbers()
{
    exact_numbers = toggle_check_box(chk_exact_numbers);
}

static void on_toggle_exact_numbers(HWND)
{
    toggle_exact_numbers();
}

void clear_exact_numbers(HWND)
{
    SendMessageA(chk_exact_numbers, BM_SETCHECK, 0, 0);
    exact_numbers = 0;
}

const CommandSpec fibonacci_commands[] = {
    {ID_BTN_ABOUT, show_about_dialog},
    {ID_BTN_EXIT, on_exit},
    {ID_BTN_CALC, on_calculate},
    {ID_CHK_OUTPUT_ALL, on_toggle_output_all},
    {ID_CHK_EXACT_NUMBERS, on_toggle_exact_numbers},
};

const int fibonacci_command_count = sizeof fibonacci_commands / sizeof fibonacci_commands[0];

int draw_formula_piece(HDC dc, int x, const char *text)
{
    return draw_bold_text(dc, x, 20, text, 18);
}

int draw_formula_index(HDC dc, int x, const char *text)
{
    return x + draw_helv_text(dc, x, 24, text, 18, 700, DT_SINGLELINE | DT_BOTTOM).cx;
}

void draw_fibonacci_sum(HDC dc, int x)
{
    x = draw_formula_piece(dc, x, "F");
    x = draw_formula_index(dc, x, "n");
    x = draw_formula_piece(dc, x, "(x) =   ");
    draw_small_text(dc, x - 19, 5, "[(n-1)/2]");
    draw_sigma(dc, x - 6, 20);
    draw_small_text(dc, x - 11, 37, "s = 0");
    int right = draw_binomial(dc, x + 18, 20, "n-s-1", "s", 10);
    draw_with_superscript(dc, right + 7, 20, "x", "n-2s-1", 10);
}

void draw_fibonacci_labels(HDC dc, const char *all_en, const char *all_ja, const char *exact_en, const char *exact_ja)
{
    RECT degree_box = {8, 60, 50, 80};
    draw_label_box(dc, 12, 400, degree_box, "n:", DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    draw_label(dc, 12, 700, 35, 90, 110, choose_text(all_en, all_ja));
    draw_label(dc, 12, 700, 35, 112, 132, choose_text(exact_en, exact_ja));
}
