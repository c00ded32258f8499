// Owner-drawn drop-down lists: fixed 14-pixel items in Helv 12 in both languages.
#include "shell.h"

#include <cstdio>
#include <cstring>

void measure_combo_item(MEASUREITEMSTRUCT *measure)
{
    measure->itemHeight = 14;
}

// Reads item itemID of a list into text (64 bytes, zeroed).
static void read_item_text(HWND list, UINT item, char *text)
{
    if (item != (UINT)-1 && SendMessageA(list, CB_GETLBTEXTLEN, item, 0) < 64)
        SendMessageA(list, CB_GETLBTEXT, item, (LPARAM)text);
}

// Only the text is drawn: no background fill, no highlight, no focus
// rectangle, so a selected item looks like any other. With two lists the
// item's text comes from the list that asks, the other buffer stays empty,
// and both are drawn into the same rectangle.
void draw_combo_item(DRAWITEMSTRUCT *draw)
{
    if (!(draw->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        return;
    RECT rect = draw->rcItem;
    InflateRect(&rect, -2, 0);
    char first[64], second[64];
    memset(first, 0, sizeof first);
    memset(second, 0, sizeof second);
    if (combo_degree && draw->CtlID == (UINT)GetDlgCtrlID(combo_degree))  // the degree list, id 101 in most programs
        read_item_text(combo_degree, draw->itemID, first);
    else if (program_info.second_list_id != 0 && (int)draw->CtlID == program_info.second_list_id)
        read_item_text(*program_info.second_list, draw->itemID, second);
    LOGFONTA record;
    HFONT font = CreateFontIndirectA(make_logfont(&record, 12, 400));
    HGDIOBJ old_font = SelectObject(draw->hDC, font);
    DrawTextA(draw->hDC, first, -1, &rect, 0);
    DrawTextA(draw->hDC, second, -1, &rect, 0);
    SelectObject(draw->hDC, old_font);
    DeleteObject(font);
}

void fill_number_list(HWND list, int first, int last)
{
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (int i = first; i <= last; i++) {
        char text[16];
        memset(text, 0, sizeof text);
        snprintf(text, sizeof text, "%d", i);
        SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)text);
    }
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}
