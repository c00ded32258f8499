#include "busy_box.h"

#include "shell.h"

int is_busy;

static const int BUSY_TEXT_LENGTH = 10;  // both texts are 10 bytes

// Paints box with fill as brush and text background, and the text in
// ink, clipped to the rounded rectangle one pixel inside the box.
static void paint_box(HDC dc, const RECT &box, COLORREF fill, COLORREF ink)
{
    HRGN region = CreateRoundRectRgn(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1, 10, 10);
    SelectClipRgn(dc, region);
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SelectObject(dc, old_brush);
    DeleteObject(brush);
    DeleteObject(region);  // the context keeps its own copy of the clip

    LOGFONTA record;
    HFONT font = CreateFontIndirectA(make_ui_logfont(&record, 12, 400));
    HGDIOBJ old_font = SelectObject(dc, font);
    COLORREF old_text = SetTextColor(dc, ink);
    COLORREF old_back = SetBkColor(dc, fill);
    int old_mode = SetBkMode(dc, OPAQUE);
    RECT text_box = box;
    DrawTextA(dc, choose_text("In Process", "現在処理中"), BUSY_TEXT_LENGTH, &text_box,
              DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    if (old_mode != 0)
        SetBkMode(dc, old_mode);
    if (old_back != CLR_INVALID)
        SetBkColor(dc, old_back);
    if (old_text != CLR_INVALID)
        SetTextColor(dc, old_text);
    SelectObject(dc, old_font);
    DeleteObject(font);
    SelectClipRgn(dc, NULL);
}

// A wait of zero length on the message queue: nothing is taken from the
// queue or dispatched. Systems that compose windows off screen (Wine among
// them) bring what was drawn to the screen when a thread waits; without it
// the box, drawn by a handler that does not return to the message loop
// until the calculation ends, would show only after it had been erased.
static void show_drawing_now()
{
    MsgWaitForMultipleObjects(0, NULL, FALSE, 0, QS_PAINT);
}

void draw_busy_box(HDC dc, const RECT &box)
{
    paint_box(dc, box, RGB(255, 0, 0), RGB(255, 255, 255));
}

// The text is drawn in the background colour on the background colour.
void erase_busy_box(HDC dc, const RECT &box)
{
    paint_box(dc, box, back_color, back_color);
}

void paint_busy_box(HDC dc, const RECT &box)
{
    if (is_busy == 1)
        draw_busy_box(dc, box);
}

void show_busy_box(HWND window, const RECT &box)
{
    HDC dc = GetDC(window);
    draw_busy_box(dc, box);
    ReleaseDC(window, dc);
    show_drawing_now();
    is_busy = 1;
}

void hide_busy_box(HWND window, const RECT &box)
{
    is_busy = 0;
    HDC dc = GetDC(window);
    erase_busy_box(dc, box);
    ReleaseDC(window, dc);
    show_drawing_now();
}

int answer_bring_to_front(HWND window, UINT message, WPARAM, LPARAM, LRESULT *result)
{
    if (message != WM_BRING_TO_FRONT)
        return 0;
    BringWindowToTop(window);
    SetForegroundWindow(window);
    *result = 0;
    return 1;
}

void save_solution_with_busy_box(HWND window, const RECT *box)
{
    char path[PATH_BUF_SIZE];
    FILE *file = begin_result_file(window, path, table_spec.estimate_bytes(degree, output_all_degrees));
    if (file == NULL)
        return;
    if (box)
        show_busy_box(window, *box);

    write_tables(file, degree, output_all_degrees);

    if (box)
        hide_busy_box(window, *box);
    SetCursor(LoadCursorA(NULL, IDC_ARROW));
    int written = close_result_file(window, file, path);
    if (box)
        PostMessageA(window, WM_BRING_TO_FRONT, 0, 0);
    if (written)
        report_success(window, path);
}
