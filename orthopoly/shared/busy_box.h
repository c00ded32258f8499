// The "In Process" box: a red rounded box with white text, painted straight
// into the main window while a long calculation runs, and the private
// message that raises the window when the calculation is over.
//
// A program keeps its box's place as a RECT (always 102 x 22 pixels), draws
// it from its paint_extras hook while is_busy is 1 (paint_busy_box), and
// answers WM_BRING_TO_FRONT from its on_message hook (answer_bring_to_front).
#pragma once

#include <windows.h>

#define WM_BRING_TO_FRONT (WM_USER)  // posted to the own main window at the end of a calculation

extern int is_busy;  // 1 while the box is shown: every repaint draws it again

// The box in red with the text "In Process" ("現在処理中"), clipped to the
// rounded area one pixel inside box.
void draw_busy_box(HDC dc, const RECT &box);

// The same area painted in the window background again.
void erase_busy_box(HDC dc, const RECT &box);

// For the paint_extras hook: draws the box again while is_busy is 1.
void paint_busy_box(HDC dc, const RECT &box);

// Draws the box into the window and sets is_busy.
void show_busy_box(HWND window, const RECT &box);

// Clears is_busy and erases the box from the window.
void hide_busy_box(HWND window, const RECT &box);

// For the on_message hook: WM_BRING_TO_FRONT brings the window to the top
// and to the foreground. Returns 1 when the message was that one.
int answer_bring_to_front(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result);

// The calculation driver of the programs that show the box: the shell's
// road (dialog, drive, space and extension tests, the tables of table_spec),
// with the box drawn around the writing when box is not NULL and, then,
// WM_BRING_TO_FRONT posted after the file is closed.
void save_solution_with_busy_box(HWND window, const RECT *box);
