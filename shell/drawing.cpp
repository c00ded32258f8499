// Fonts and the routines that paint formulas and labels with GDI text and
// lines. Every routine draws in text_color on back_color and leaves the
// device context with the colours, mode, font and pen it had before.
#include "shell.h"

#include <cstring>

LOGFONTA *make_logfont(LOGFONTA *out, int height, int weight)
{
    memset(out, 0, sizeof *out);
    out->lfHeight = height;
    out->lfWeight = weight;
    strcpy(out->lfFaceName, "Helv");
    return out;
}

LOGFONTA *make_ui_logfont(LOGFONTA *out, int height, int weight)
{
    make_logfont(out, height, weight);
    if (is_japanese) {
        out->lfCharSet = SHIFTJIS_CHARSET;
        strcpy(out->lfFaceName, "ＭＳ Ｐゴシック");
    }
    return out;
}

struct SavedColors {
    COLORREF text;
    COLORREF back;
    int mode;
};

static SavedColors begin_drawing(HDC dc)
{
    SavedColors saved;
    saved.text = SetTextColor(dc, text_color);
    saved.back = SetBkColor(dc, back_color);
    saved.mode = SetBkMode(dc, OPAQUE);
    return saved;
}

static void end_drawing(HDC dc, const SavedColors &saved)
{
    if (saved.mode != 0)
        SetBkMode(dc, saved.mode);
    if (saved.back != CLR_INVALID)
        SetBkColor(dc, saved.back);
    if (saved.text != CLR_INVALID)
        SetTextColor(dc, saved.text);
}

// Draws text in a font made from the record into the rectangle that starts
// at (x, y) and is as large as the text; returns that size.
static SIZE draw_text_at(HDC dc, const LOGFONTA &record, int x, int y, const char *text, UINT flags)
{
    HFONT font = CreateFontIndirectA(&record);
    HGDIOBJ old_font = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, text, (int)strlen(text), &size);
    RECT rect = {x, y, x + size.cx, y + size.cy};
    DrawTextA(dc, text, -1, &rect, flags);
    SetRectEmpty(&rect);
    SelectObject(dc, old_font);
    DeleteObject(font);
    return size;
}

SIZE draw_helv_text(HDC dc, int x, int y, const char *text, int height, int weight, UINT flags)
{
    LOGFONTA record;
    SavedColors saved = begin_drawing(dc);
    SIZE size = draw_text_at(dc, *make_logfont(&record, height, weight), x, y, text, flags);
    end_drawing(dc, saved);
    return size;
}

void draw_small_text(HDC dc, int x, int y, const char *text)
{
    draw_helv_text(dc, x, y, text, 10, 400, DT_SINGLELINE | DT_VCENTER);
}

void draw_sized_text(HDC dc, int x, int y, const char *text, int height)
{
    draw_helv_text(dc, x, y, text, height, 400, DT_SINGLELINE | DT_VCENTER);
}

void draw_sized_bold_text(HDC dc, int x, int y, const char *text, int height)
{
    draw_helv_text(dc, x, y, text, height, 700, DT_SINGLELINE | DT_VCENTER);
}

// Moves to the first point and draws lines through the others.
static void draw_polyline(HDC dc, const POINT *points, int count)
{
    MoveToEx(dc, points[0].x, points[0].y, NULL);
    for (int i = 1; i < count; i++)
        LineTo(dc, points[i].x, points[i].y);
}

void draw_sigma(HDC dc, int x, int y)
{
    HPEN pen = CreatePen(PS_SOLID, 1, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    const POINT top[] = {{x, y}, {x + 13, y}, {x + 13, y + 3}};
    const POINT top_double[] = {{x, y + 1}, {x + 13, y + 1}};
    const POINT body[] = {{x, y}, {x + 8, y + 8}, {x, y + 16}, {x + 13, y + 16}, {x + 13, y + 13}};
    const POINT bottom_double[] = {{x, y + 15}, {x + 13, y + 15}};
    draw_polyline(dc, top, 3);
    draw_polyline(dc, top_double, 2);
    draw_polyline(dc, body, 5);
    draw_polyline(dc, bottom_double, 2);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

int draw_with_superscript(HDC dc, int x, int y, const char *base, const char *sup, int height)
{
    LOGFONTA record;
    SavedColors saved = begin_drawing(dc);
    SIZE base_size = draw_text_at(dc, *make_logfont(&record, 18, 700), x, y, base, DT_SINGLELINE | DT_VCENTER);
    SIZE sup_size = draw_text_at(dc, *make_logfont(&record, height, 700), x + base_size.cx, y - 6, sup,
                                 DT_SINGLELINE | DT_VCENTER);
    end_drawing(dc, saved);
    return x + base_size.cx + sup_size.cx;
}

int draw_binomial(HDC dc, int x, int y, const char *left, const char *right, int height)
{
    LOGFONTA record;
    SavedColors saved = begin_drawing(dc);
    SIZE left_size = draw_text_at(dc, *make_logfont(&record, height, 700), x, y + 4, left,
                                  DT_SINGLELINE | DT_BOTTOM);
    x += left_size.cx;
    SIZE c_size = draw_text_at(dc, *make_logfont(&record, 18, 700), x, y, "C",
                               DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    x += c_size.cx;
    SIZE right_size = draw_text_at(dc, *make_logfont(&record, height, 700), x, y + 4, right,
                                   DT_SINGLELINE | DT_BOTTOM | DT_RIGHT);
    end_drawing(dc, saved);
    return x + right_size.cx;
}

// A symbol with an asterisk as superscript, such as P*; a 2-pixel dot is set
// into the middle of the asterisk so that it reads well in small fonts.
int draw_starred_symbol(HDC dc, int x, int y, const char *base, const char *star, int height)
{
    LOGFONTA record;
    SavedColors saved = begin_drawing(dc);
    SIZE base_size = draw_text_at(dc, *make_logfont(&record, 18, 700), x, y, base, DT_SINGLELINE | DT_VCENTER);
    SIZE star_size = draw_text_at(dc, *make_logfont(&record, height, 700), x + base_size.cx, y - 5, star,
                                  DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    end_drawing(dc, saved);

    int dot_x = x + base_size.cx + star_size.cx / 2;
    int dot_y = y + star_size.cy / 2 - 7;
    HPEN pen = CreatePen(PS_SOLID, 2, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, dot_x, dot_y, NULL);
    LineTo(dc, dot_x, dot_y + 1);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
    return x + base_size.cx + star_size.cx;
}

void draw_fraction_bar(HDC dc, int x, int y, int length)
{
    HPEN pen = CreatePen(PS_SOLID, 2, text_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, x, y, NULL);
    LineTo(dc, x + length, y);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

void draw_label_box(HDC dc, int height, int weight, RECT box, const char *text, UINT flags)
{
    LOGFONTA record;
    SavedColors saved = begin_drawing(dc);
    HFONT font = CreateFontIndirectA(make_ui_logfont(&record, height, weight));
    HGDIOBJ old_font = SelectObject(dc, font);
    DrawTextA(dc, text, -1, &box, flags);
    SelectObject(dc, old_font);
    DeleteObject(font);
    end_drawing(dc, saved);
}

void draw_label(HDC dc, int height, int weight, int x, int top, int bottom, const char *text)
{
    LOGFONTA record;
    HFONT font = CreateFontIndirectA(make_ui_logfont(&record, height, weight));
    HGDIOBJ old_font = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, text, (int)strlen(text), &size);
    SelectObject(dc, old_font);
    DeleteObject(font);
    RECT box = {x, top, x + size.cx, bottom};
    draw_label_box(dc, height, weight, box, text, DT_SINGLELINE | DT_VCENTER);
}
