// pomrel95: the calculation driver. Unlike the shell's, it reports the
// failure codes of the computation and then deletes the half-written file.
#include "busy_box.h"
#include "pomrel95.h"
#include "quadrature_tables.h"
#include "shell.h"

void on_calculate_quadrature(HWND window)
{
    degree = (int)SendMessageA(combo_degree, CB_GETCURSEL, 0, 0) + 2;
    save_quadrature_solution(window);
}

static void pause_before_delete()
{
    Sleep(100);
}

void save_quadrature_solution(HWND window)
{
    char path[PATH_BUF_SIZE];
    FILE *file = begin_result_file(window, path, table_spec.estimate_bytes(degree, output_all_degrees));
    if (file == NULL)
        return;
    show_busy_box(window, BUSY_BOX);

    int result = write_quadrature_tables(file, degree);

    hide_busy_box(window, BUSY_BOX);
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    if (result < 0) {
        MessageBoxA(window, failure_text(result), choose_text("Error", "エラー"), MB_ICONERROR);
        discard_result_file(file, path, pause_before_delete);
        return;
    }
    int written = close_result_file(window, file, path);
    Sleep(100);
    if (written)
        report_success(window, path);
}
