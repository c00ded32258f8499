#include "topmost_calculation.h"

#include "busy_box.h"
#include "shell.h"

// Puts window into the topmost band (HWND_TOPMOST) or back among the others
// (HWND_NOTOPMOST), keeping its place and size.
static void set_window_band(HWND window, HWND band)
{
    HDWP positions = BeginDeferWindowPos(1);
    if (positions != NULL)
        positions = DeferWindowPos(positions, window, band, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (positions != NULL)
        EndDeferWindowPos(positions);
}

void save_solution_topmost(HWND window, const RECT &box)
{
    char path[PATH_BUF_SIZE];
    FILE *file = begin_result_file(window, path, table_spec.estimate_bytes(degree, output_all_degrees));
    if (file == NULL)
        return;
    show_busy_box(window, box);
    set_window_band(window, HWND_TOPMOST);

    write_tables(file, degree, output_all_degrees);

    hide_busy_box(window, box);
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    set_window_band(window, HWND_NOTOPMOST);
    PostMessageA(window, WM_BRING_TO_FRONT, 0, 0);
    int written = close_result_file(window, file, path);
    Sleep(100);
    if (written)
        report_success(window, path);
}
