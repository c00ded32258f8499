// End-to-end checks of the programs that keep rows between calculations
// (nusk00, gustre00, zolvin01) and of the window kept topmost while the
// In Process box of gustre00 and zolvin01 shows.
#pragma once

#include <windows.h>

#include "programs.h"

// Several calculations in one running program, each file compared with the
// one its native table code writes: a single degree after all degrees and
// the reverse, and in gustre00 a change of kind between them.
void check_calculations_in_one_run(const ProgramCase &program);

// While the In Process box shows (busy), the programs that keep their window
// topmost must have it so; after the calculation it must be so no longer.
void check_window_band(const ProgramCase &program, HWND window, bool busy);
