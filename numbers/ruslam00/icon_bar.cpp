#include "icon_bar.h"

#include <cstdio>
#include <cstring>

#include "hover_label.h"
#include "shell.h"

HWND icon_bar;

// One button of the bar.
struct IconButton {
    int id;
    int x;                 // in the bar
    int command;           // sent to the main window
    const char *stem;      // of its bitmap names
    const char *label_en;  // its hover label
    const char *label_ja;
    int label_x;
};

static const IconButton icon_buttons[4] = {
    {ID_ICON_EXPAND, 0, 101, "Expand", "Expand", "展開", 17},
    {ID_ICON_ABOUT, 32, 102, "About", "About", "御案内", 49},
    {ID_ICON_HELP, 64, 103, "Help", "Help", "ヘルプ", 81},
    {ID_ICON_EXIT, 96, 104, "Exit", "Exit", "終了", 113},
};

enum { BUTTON_WIDTH = 32, BUTTON_HEIGHT = 20, STATE_RAISED = 0, STATE_PRESSED = 1, STATE_GREYED = 2 };

static char icon_bitmap_names[4][3][16];  // per button: raised, pressed, greyed, in the set of the Windows kind
static int hover_state;                   // 0 none, else the button (1..4) whose label is shown
static RECT hover_rect;                   // the shown label, window coordinates, edges included; empty when none
static COLORREF hover_pixels[HOVER_SAVE_ROWS][HOVER_SAVE_WIDTH];  // what lies under the label

// The bitmap set by the Windows kind: "9" (Me), "8" (2000), "X" (later NT), plain otherwise.
static const char *bitmap_set_name()
{
    switch (os_kind) {
    case OS_WINME:
        return "9";
    case OS_WIN2000:
        return "8";
    case OS_NT_LATER:
        return "X";
    default:
        return "";
    }
}

static void fill_icon_bitmap_names()
{
    static const char *states[3] = {"Up", "Dn", "In"};
    for (int b = 0; b < 4; b++)
        for (int s = 0; s < 3; s++)
            snprintf(icon_bitmap_names[b][s], sizeof icon_bitmap_names[b][s], "%s%s%s", icon_buttons[b].stem,
                     bitmap_set_name(), states[s]);
}

void create_icon_bar(HWND main)
{
    WNDCLASSA bar_class;
    memset(&bar_class, 0, sizeof bar_class);
    bar_class.style = CS_PARENTDC | CS_HREDRAW | CS_VREDRAW;
    bar_class.lpfnWndProc = icon_bar_window_proc;
    bar_class.hInstance = instance;
    bar_class.hCursor = LoadCursorA(NULL, IDC_ARROW);
    bar_class.hbrBackground = (HBRUSH)GetStockObject(NULL_BRUSH);
    bar_class.lpszClassName = "IconBarWindow";
    if (!RegisterClassA(&bar_class))
        return;
    icon_bar = CreateWindowExA(0, "IconBarWindow", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, main, NULL, instance, NULL);
    SetWindowPos(icon_bar, NULL, 15, 0, 175, GetSystemMetrics(SM_CYBORDER) + BUTTON_HEIGHT,
                 SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
    ShowWindow(icon_bar, SW_SHOW);
    UpdateWindow(icon_bar);
}

void place_icon_bar(HWND main)
{
    HDWP positions = BeginDeferWindowPos(1);
    positions = DeferWindowPos(positions, icon_bar, NULL, 15, 0, 160, GetSystemMetrics(SM_CYBORDER) + BUTTON_HEIGHT,
                               SWP_NOZORDER | SWP_SHOWWINDOW);
    EndDeferWindowPos(positions);
    PostMessageA(main, WM_CREATE_COMPLEX_BOX, 0, 0);
}

static void create_icon_buttons(HWND bar)
{
    HINSTANCE bar_instance = (HINSTANCE)GetWindowLongPtrA(bar, GWLP_HINSTANCE);
    for (const IconButton &button : icon_buttons)
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, button.x,
                        GetSystemMetrics(SM_CYBORDER), BUTTON_WIDTH, BUTTON_HEIGHT, bar,
                        (HMENU)(INT_PTR)button.id, bar_instance, NULL);
}

// A line in the button face colour along the bar's top edge.
static void draw_icon_bar_top_line(HWND bar)
{
    RECT client;
    GetClientRect(bar, &client);
    HDC dc = GetDC(bar);
    HPEN pen = CreatePen(PS_SOLID, 1, back_color);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    MoveToEx(dc, 0, 0, NULL);
    LineTo(dc, client.right, 0);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
    ReleaseDC(bar, dc);
}

// A button drawn from its bitmap: greyed when disabled, pressed while held down.
static void draw_icon_button(HWND bar, const DRAWITEMSTRUCT *item)
{
    int button = (int)item->CtlID - ID_ICON_EXPAND;
    if (button < 0 || button > 3)
        return;
    int state = !IsWindowEnabled(item->hwndItem)       ? STATE_GREYED
                : (item->itemState & ODS_SELECTED) != 0 ? STATE_PRESSED
                                                        : STATE_RAISED;
    HINSTANCE bar_instance = (HINSTANCE)GetWindowLongPtrA(bar, GWLP_HINSTANCE);
    HBITMAP bitmap = LoadBitmapA(bar_instance, icon_bitmap_names[button][state]);
    if (bitmap && (item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
        HDC memory = CreateCompatibleDC(item->hDC);
        HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
        if (old_bitmap) {
            const RECT &r = item->rcItem;
            BitBlt(item->hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old_bitmap);
        }
        DeleteDC(memory);
    }
    if (bitmap)
        DeleteObject(bitmap);
    draw_icon_bar_top_line(bar);
}

LRESULT CALLBACK icon_bar_window_proc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        // the main window has detected the Windows kind at its own creation
        fill_icon_bitmap_names();
        create_icon_buttons(bar);
        return 0;
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        if (id >= ID_ICON_EXPAND && id <= ID_ICON_EXIT) {
            SendMessageA(GetParent(bar), WM_COMMAND, icon_buttons[id - ID_ICON_EXPAND].command, 0);
            InvalidateRect(GetDlgItem(bar, id), NULL, TRUE);  // drawn raised again
        }
        return 0;
    }
    case WM_DRAWITEM:
        if (((DRAWITEMSTRUCT *)lParam)->CtlType == ODT_BUTTON)
            draw_icon_button(bar, (DRAWITEMSTRUCT *)lParam);
        return 0;
    }
    return DefWindowProcA(bar, message, wParam, lParam);
}

// The label font and where its text sits in the box.
struct LabelStyle {
    int x_offset, y_offset, extra_width;
};

static HFONT create_label_font(LabelStyle *style)
{
    LOGFONTA font;
    memset(&font, 0, sizeof font);
    font.lfWeight = 400;
    if (is_japanese) {
        font.lfHeight = 12;
        font.lfCharSet = SHIFTJIS_CHARSET;
        strcpy(font.lfFaceName, "ＭＳゴシック");
        *style = {0, 0, 1};
    } else {
        int nt_family = os_kind == OS_NT4 || os_kind == OS_WIN2000 || os_kind == OS_NT_LATER;
        font.lfHeight = nt_family ? 14 : 12;
        font.lfCharSet = OEM_CHARSET;
        strcpy(font.lfFaceName, "Helv");
        *style = {nt_family ? 1 : 0, -1, 2};
    }
    return CreateFontIndirectA(&font);
}

static void save_hover_background(HDC dc)
{
    for (int y = hover_rect.top; y <= hover_rect.bottom; y++)
        for (int x = hover_rect.left; x <= hover_rect.right; x++)
            hover_pixels[y - hover_rect.top][x - hover_rect.left] = GetPixel(dc, x, y);
}

static void restore_hover_background(HDC dc)
{
    for (int y = hover_rect.top; y <= hover_rect.bottom; y++)
        for (int x = hover_rect.left; x <= hover_rect.right; x++)
            SetPixelV(dc, x, y, hover_pixels[y - hover_rect.top][x - hover_rect.left]);
}

// Puts back the background of a shown label; no label is shown afterwards.
static void remove_hover_label(HDC dc)
{
    if (hover_state != 0)
        restore_hover_background(dc);
    SetRectEmpty(&hover_rect);
    hover_state = 0;
}

// The label of button (1..4) in a black frame on white, below the bar.
static void show_hover_label(HDC dc, int button, const LabelStyle &style)
{
    const IconButton &b = icon_buttons[button - 1];
    const char *text = choose_text(b.label_en, b.label_ja);
    int length = lstrlenA(text);
    SIZE extent;
    GetTextExtentPoint32A(dc, text, length, &extent);
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    int border_x = GetSystemMetrics(SM_CXBORDER), border_y = GetSystemMetrics(SM_CYBORDER);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    LabelBox box = {border_x + b.label_x, border_y + caption + 32, 0,
                    border_y + caption + metrics.tmExternalLeading + metrics.tmHeight + 38};
    box.right = box.left + extent.cx + style.extra_width + 5;
    box = savable_label_box(box);
    SetRect(&hover_rect, box.left, box.top, box.right, box.bottom);
    save_hover_background(dc);
    hover_state = button;
    // Rectangle leaves out the right and bottom edges; the text is cut at the frame
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    RECT inside = {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    ExtTextOutA(dc, box.left + style.x_offset + 3, box.top + style.y_offset + 3, ETO_CLIPPED, &inside, text,
                (UINT)length, NULL);
}

// The button whose label belongs to client x on the button row: 1 Expand,
// 2 About, 3 Help, 4 Exit, 0 none.
static int hover_button_at(int x)
{
    if (x <= 15 || x >= 144)
        return 0;
    return (x - 16) / 32 + 1;
}

void update_hover_label(HWND main)
{
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(main, &cursor);
    if (GetActiveWindow() == NULL || !IsWindowEnabled(main))
        return;
    HDC dc = GetWindowDC(main);
    LabelStyle style;
    HFONT font = create_label_font(&style);
    HGDIOBJ old_font = SelectObject(dc, font);
    int border_y = GetSystemMetrics(SM_CYBORDER);
    int button = cursor.y > border_y && cursor.y <= border_y + BUTTON_HEIGHT ? hover_button_at(cursor.x) : 0;
    if (button == 0) {
        if (hover_state != 0)
            remove_hover_label(dc);
    } else if (button != hover_state) {
        remove_hover_label(dc);
        show_hover_label(dc, button, style);
    }
    SelectObject(dc, old_font);
    DeleteObject(font);
    ReleaseDC(main, dc);
}

void hide_hover_label(HWND main)
{
    HDC dc = GetWindowDC(main);
    remove_hover_label(dc);
    ReleaseDC(main, dc);
}
