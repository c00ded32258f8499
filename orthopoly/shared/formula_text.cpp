#include "formula_text.h"

#include <cstring>

#include "shell.h"

static SIZE measure_with(HDC dc, const LOGFONTA &record, const char *text)
{
    HFONT font = CreateFontIndirectA(&record);
    HGDIOBJ old_font = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, text, (int)strlen(text), &size);
    SelectObject(dc, old_font);
    DeleteObject(font);
    return size;
}

SIZE measure_formula_text(HDC dc, const char *text, int height, int weight)
{
    LOGFONTA record;
    return measure_with(dc, *make_logfont(&record, height, weight), text);
}

SIZE measure_label_text(HDC dc, const char *text, int height, int weight)
{
    LOGFONTA record;
    return measure_with(dc, *make_ui_logfont(&record, height, weight), text);
}

SIZE draw_formula_text(HDC dc, int x, int y, const char *text, int height, int weight, UINT flags)
{
    LOGFONTA record;
    COLORREF old_text = SetTextColor(dc, text_color);
    COLORREF old_back = SetBkColor(dc, back_color);
    int old_mode = SetBkMode(dc, OPAQUE);
    HFONT font = CreateFontIndirectA(make_logfont(&record, height, weight));
    HGDIOBJ old_font = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, text, (int)strlen(text), &size);
    RECT rect = {x, y, x + size.cx, y + size.cy};
    DrawTextA(dc, text, -1, &rect, flags);
    SelectObject(dc, old_font);
    DeleteObject(font);
    if (old_mode != 0)
        SetBkMode(dc, old_mode);
    if (old_back != CLR_INVALID)
        SetBkColor(dc, old_back);
    if (old_text != CLR_INVALID)
        SetTextColor(dc, old_text);
    return size;
}

int draw_bold_text(HDC dc, int x, int top, const char *text, int height)
{
    draw_sized_bold_text(dc, x, top, text, height);
    return x + measure_formula_text(dc, text, height, 700).cx;
}

int draw_bold_text_above(HDC dc, int x, int bottom, const char *text, int height)
{
    return draw_bold_text(dc, x, bottom - measure_formula_text(dc, text, height, 700).cy, text, height);
}

void draw_bold_text_centred(HDC dc, int left, int right, int top, const char *text, int height)
{
    int width = measure_formula_text(dc, text, height, 700).cx;
    draw_sized_bold_text(dc, left + (right - left - width) / 2, top, text, height);
}
