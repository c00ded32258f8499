// The window kept topmost while the In Process box of gustre00 and zolvin01
// shows.
#pragma once

#include <windows.h>

#include "programs.h"

// While the In Process box shows (busy), the programs that keep their window
// topmost must have it so; after the calculation it must be so no longer.
void check_window_band(const ProgramCase &program, HWND window, bool busy);
