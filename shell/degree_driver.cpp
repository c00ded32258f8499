// The road of one calculation in the programs with a degree list: the
// selected degree, then the pieces of calc_driver.cpp around the tables.
#include "shell.h"

void on_calculate(HWND window)
{
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0) + program_info.list_first;
    save_solution(window);
}

void save_solution(HWND window)
{
    save_solution_for_degree(window, degree);
}

void save_solution_for_degree(HWND window, int n)
{
    char path[PATH_BUF_SIZE];
    FILE *file = begin_result_file(window, path, table_spec.estimate_bytes(n, output_all_degrees));
    if (file == NULL)
        return;

    write_tables(file, n, output_all_degrees);

    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    if (close_result_file(window, file, path))
        report_success(window, path);
}
