// The Win32 half shared by the Fibonacci and Lucas programs: the exact-number
// check box, the command table, the Fibonacci sum of the formula and the
// labels.
#pragma once

#include "shell.h"

enum { ID_CHK_EXACT_NUMBERS = 106 };

extern HWND chk_exact_numbers;  // the exact-number check box
extern const CommandSpec fibonacci_commands[];
extern const int fibonacci_command_count;

void toggle_exact_numbers();
// finish_controls: the exact-number box cleared, exact_numbers 0
void clear_exact_numbers(HWND window);

// F_n(x) = sum over s = 0..[(n-1)/2] of C(n-s-1, s) x^(n-2s-1), from x.
void draw_fibonacci_sum(HDC dc, int x);
// Text in Helv 18/700 from (x, 20), or an index one step lower (from y = 24);
// returns the x just right of it.
int draw_formula_piece(HDC dc, int x, const char *text);
int draw_formula_index(HDC dc, int x, const char *text);

// "n:" and the captions of the all-degrees and exact-number boxes.
void draw_fibonacci_labels(HDC dc, const char *all_en, const char *all_ja, const char *exact_en, const char *exact_ja);
