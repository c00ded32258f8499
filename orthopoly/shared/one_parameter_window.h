// The Win32 half of the programs with a parameter beside the degree list.
//
// - The Calculation command of the programs with the one typed parameter a
//   (Hermite kavnet00, Laguerre sirmod00, Charlier vemtra00, Lommel
//   fartuk00): on_calculate_parameter_a, with the edit box edit_a and its
//   command, creation and release hooks.
// - The label painter draw_parameter_labels: the degree label, the
//   parameter label and the check-box captions, used by those four programs
//   and by the discrete Tchebycheff (nolquy00), Gegenbauer (tislor01) and
//   ultraspherical (kenvat00) programs, each with its own positions and texts.
// - The range line that the formula painters of those programs share.
//
// Built as the object library one_parameter_window (CMakeLists.txt); it
// needs the Windows-free library one_parameter (one_parameter.h), and the
// numeric entry and formula text of orthopoly_shared_window, beside it.
#pragma once

#include "shell.h"

// Control ids of the windows with a parameter beside the degree list (101).
enum {
    ID_PARAMETER = 102,             // the parameter's edit box, or the second list
    ID_PARAM_BTN_ABOUT = 103,
    ID_PARAM_BTN_EXIT = 104,
    ID_PARAM_BTN_CALC = 105,
    ID_PARAM_CHK_OUTPUT_ALL = 106,
    ID_PARAM_CHK_NORMALIZE = 107
};

extern HWND edit_a;  // the numeric entry of a (id 102), signed form

// Command 105: a must not be empty and must lie in -10 <= a <= 10 (NaN and
// the infinities are refused too); then the degree is read and the shell's
// driver writes the file. A refusal shows its message and computes nothing.
void on_calculate_parameter_a(HWND window);

// Command 102: the filter of edit_a, on every notification of the box.
void on_edit_a_changed(HWND window);

// The command table of the programs with the parameter a: the filter, About,
// Exit, Calculation and the two check boxes (107 only where the program has
// a normalization box; without the box that command never comes).
extern const CommandSpec one_parameter_commands[];
extern const int one_parameter_command_count;

// The finish_controls hook: the edit box's edge, font and limit; the focus
// goes to it. kavnet00 sets its default text and its caret itself.
void finish_parameter_a(HWND window);

// The release_extras hook: the edit box's device context and font.
void release_parameter_a();

// What one window's labels are and where they stand.
struct ParameterLabels {
    RECT degree_box;          // "n:", right-aligned
    const char *parameter;    // "a:", "m:" or "v:", the same in both languages
    RECT parameter_box;       // right-aligned
    int caption_top;          // the all-degrees caption, from x = 35, 20 pixels high
    const char *caption_en;
    const char *caption_ja;
    int normalization_top;    // the normalization caption below it, 0 for none
};

// The two labels in the UI font 12/400, the captions in the UI font 12/700.
void draw_parameter_labels(HDC dc, const ParameterLabels &labels);

// A range line such as "[ -10 <= a <= 10 ]" in Helv 14/700, centred in the
// rectangle from (left, top) to (right, top + its height).
void draw_range_line(HDC dc, int left, int top, int right, const char *text);
