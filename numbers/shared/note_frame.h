// The one-pixel frame drawn round the note beside a formula.
#pragma once

#include <windows.h>

// A solid one-pixel rectangle outline in text_color from (left, top) to
// (right, bottom), both corners included.
void draw_note_frame(HDC dc, int left, int top, int right, int bottom);
