// duvest95: the window side of the q-binomial program: its controls, and the
// roads of its Calculation, Save and Tabulation commands.
#pragma once

#include <windows.h>

enum {
    ID_EDIT_Q = 101,
    ID_COMBO_N = 102,
    ID_COMBO_M = 103,
    ID_RESULT_BOX = 104,
    ID_Q_ABOUT = 105,
    ID_Q_SAVE = 106,
    ID_Q_EXIT = 107,
    ID_Q_CALC = 108,
    ID_Q_TABULATION = 110  // there is no control 109
};

extern HWND edit_q;          // the typed q (a numeric entry without minus sign)
extern HWND combo_m;         // the m list; the n list is the shell's combo_degree
extern HWND result_box;      // the value text, disabled: neither editable nor focusable
extern HWND btn_save, btn_tabulation;
extern const RECT BUSY_BOX;  // the "In Process" box, 102 x 22 pixels

// Empties the result box and result_text (any touch of q, n or m).
void clear_result_box();
// Zeroes result_text before Calculation and Tabulation.
void clear_result_buffer();

// Calculation: q read and tested, the value computed and shown in the result box.
void on_calculate_q_binomial(HWND window);
// Save: the shown value into a ".txt" file.
void save_text_result(HWND window);
// Tabulation: every m = 0..n into a ".xls" file, with the window guarded meanwhile.
void save_q_binomial_table(HWND window);
