// Check boxes of the BS_CHECKBOX kind and radio buttons of the plain kind,
// which the program sets itself.
#include "shell.h"

int toggle_check_box(HWND box)
{
    int checked = (int)SendMessageA(box, BM_GETCHECK, 0, 0);
    SendMessageA(box, BM_SETCHECK, !checked, 0);
    return !checked;
}

void check_radio_button(HWND *buttons, int count, int chosen)
{
    for (int i = 0; i < count; i++)
        if (i != chosen)
            SendMessageA(buttons[i], BM_SETCHECK, 0, 0);
    SendMessageA(buttons[chosen], BM_SETCHECK, 1, 0);
}
