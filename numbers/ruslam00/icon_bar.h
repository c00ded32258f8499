// The bar of four bitmap buttons (Expand, About, Help, Exit) along the top
// of the main window, with the name of the button under the pointer shown
// in a small boxed label below the bar.
#pragma once

#include <windows.h>

#define WM_PLACE_ICON_BAR (WM_USER + 201)       // 1225: posted at the end of WM_CREATE
#define WM_CREATE_COMPLEX_BOX (WM_USER + 202)   // 1226: posted by the handler of 1225

// The buttons' ids on the bar; each forwards a command (101 to 104) to the main window.
enum { ID_ICON_EXPAND = 105, ID_ICON_ABOUT = 106, ID_ICON_HELP = 107, ID_ICON_EXIT = 108 };

extern HWND icon_bar;  // the bar, a child of the main window

// Registers the class "IconBarWindow" and creates the bar on the main window
// at the origin, 175 pixels wide; when the class cannot be registered the
// program runs without the bar.
void create_icon_bar(HWND main);
LRESULT CALLBACK icon_bar_window_proc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
// The bar moved to (15, 0) with its final width; 1226 posted to the main window.
void place_icon_bar(HWND main);

// Shows, replaces or removes the label by the pointer's place (on every WM_SETCURSOR).
void update_hover_label(HWND main);
// Removes a shown label, its background put back (before every bar command).
void hide_hover_label(HWND main);
