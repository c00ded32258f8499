// The calculation driver of the programs that keep their window above all
// others while their "In Process" box shows.
#pragma once

#include <windows.h>

// The shell's road (save dialog, drive, space and extension tests, the
// tables of table_spec for degree and output_all_degrees) with the box
// drawn at box and the window topmost while the tables are written; then
// the window no longer topmost, WM_BRING_TO_FRONT posted, the file closed
// and a pause of 100 ms before the closing message.
void save_solution_topmost(HWND window, const RECT &box);
