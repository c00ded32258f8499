#include "note_frame.h"

#include "shell.h"

void draw_note_frame(HDC dc, int left, int top, int right, int bottom)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, left, top, NULL);
    LineTo(dc, left, bottom);
    LineTo(dc, right, bottom);
    LineTo(dc, right, top);
    LineTo(dc, left, top);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}
