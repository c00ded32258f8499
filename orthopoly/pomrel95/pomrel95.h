// The window side of pomrel95: its calculation command and the place of its
// "In Process" box.
#pragma once

#include <windows.h>

extern const RECT BUSY_BOX;  // the box's outer rectangle, 102 x 22 pixels

// The Calculation command: n = list index + 2, then the program's driver.
void on_calculate_quadrature(HWND window);

// The driver: the shell's dialog and tests, then the tables computed and
// written with the busy box shown; a failed degree is reported and the file
// deleted.
void save_quadrature_solution(HWND window);
