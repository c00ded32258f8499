// Pieces of text for the programs' own formula and label painters: their
// extents, and bold pieces placed by them. The drawing itself is the shell's
// draw_helv_text (text_color on an opaque back_color, each font created,
// selected, restored and deleted around its use).
#pragma once

#include <windows.h>

// The extent of text in Helv height/weight.
SIZE measure_formula_text(HDC dc, const char *text, int height, int weight);

// The extent of text in the UI font of the language (labels).
SIZE measure_label_text(HDC dc, const char *text, int height, int weight);

// Pieces in Helv height/700, DT_SINGLELINE | DT_VCENTER in the rectangle of
// their own extent (as the shell's draw_sized_bold_text draws them), for the
// formulas that stack a numerator over a denominator or align a text by its
// right end.

// Draws text from (x, top); returns the x just right of it.
int draw_bold_text(HDC dc, int x, int top, const char *text, int height);

// Draws text with its bottom at bottom; returns the x just right of it.
int draw_bold_text_above(HDC dc, int x, int bottom, const char *text, int height);

// Draws text from top, centred between left and right.
void draw_bold_text_centred(HDC dc, int left, int right, int top, const char *text, int height);
