// A check box of the BS_CHECKBOX kind, which the program flips itself.
#include "shell.h"

int toggle_check_box(HWND box)
{
    int checked = (int)SendMessageA(box, BM_GETCHECK, 0, 0);
    SendMessageA(box, BM_SETCHECK, !checked, 0);
    return !checked;
}
