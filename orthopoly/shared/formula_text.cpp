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

int draw_bold_text(HDC dc, int x, int top, const char *text, int height)
{
    return x + draw_helv_text(dc, x, top, text, height, 700, DT_SINGLELINE | DT_VCENTER).cx;
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
