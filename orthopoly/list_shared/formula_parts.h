// Measuring and placing the pieces of a painted formula in bold Helv, for
// the formulas that stack a numerator over a denominator or align a text by
// its right end. Every piece is drawn by the shell's drawing helpers.
#pragma once

#include <windows.h>

// The extent of text in Helv height/700.
SIZE measure_bold_text(HDC dc, const char *text, int height);

// Draws text in Helv height/700 from (x, top); returns the x just right of it.
int draw_bold_text(HDC dc, int x, int top, const char *text, int height);

// Draws text in Helv height/700 with its bottom at bottom; returns the x just right of it.
int draw_bold_text_above(HDC dc, int x, int bottom, const char *text, int height);

// Draws text in Helv height/700 from top, centred between left and right.
void draw_bold_text_centred(HDC dc, int left, int right, int top, const char *text, int height);
