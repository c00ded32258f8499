#include "formula_parts.h"

#include <cstring>

#include "shell.h"

SIZE measure_bold_text(HDC dc, const char *text, int height)
{
    LOGFONTA record;
    HFONT font = CreateFontIndirectA(make_logfont(&record, height, 700));
    HGDIOBJ old_font = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, text, (int)strlen(text), &size);
    SelectObject(dc, old_font);
    DeleteObject(font);
    return size;
}

int draw_bold_text(HDC dc, int x, int top, const char *text, int height)
{
    draw_sized_bold_text(dc, x, top, text, height);
    return x + measure_bold_text(dc, text, height).cx;
}

int draw_bold_text_above(HDC dc, int x, int bottom, const char *text, int height)
{
    return draw_bold_text(dc, x, bottom - measure_bold_text(dc, text, height).cy, text, height);
}

void draw_bold_text_centred(HDC dc, int left, int right, int top, const char *text, int height)
{
    int width = measure_bold_text(dc, text, height).cx;
    draw_sized_bold_text(dc, left + (right - left - width) / 2, top, text, height);
}
