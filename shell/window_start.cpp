// The start of every program: its window class, its fixed-size window
// centred on the screen, and the message loop.
#include "shell.h"

#include <cstring>

HINSTANCE instance;
HWND main_window;
int window_x, window_y;
int window_width, window_height;

HWND create_main_window(const char *class_name, const char *title, int width, int height_addend, WNDPROC procedure,
                        int show)
{
    WNDCLASSA window_class;
    memset(&window_class, 0, sizeof window_class);
    window_class.style = CS_VREDRAW | CS_HREDRAW;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconA(instance, "ICON_1");
    window_class.hCursor = LoadCursorA(NULL, IDC_ARROW);
    window_class.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    window_class.lpszClassName = class_name;
    if (!RegisterClassA(&window_class))
        return NULL;

    window_width = width;
    window_height = GetSystemMetrics(SM_CYCAPTION) + height_addend;
    window_x = (GetSystemMetrics(SM_CXSCREEN) - window_width) / 2;
    window_y = (GetSystemMetrics(SM_CYSCREEN) - window_height) / 2;

    // caption, system menu and minimize box: no sizing border, no maximize box
    main_window = CreateWindowExA(0, class_name, title, WS_SYSMENU | WS_MINIMIZEBOX, window_x, window_y,
                                  window_width, window_height, NULL, NULL, instance, NULL);
    if (main_window == NULL)
        return NULL;
    ShowWindow(main_window, show);
    UpdateWindow(main_window);
    return main_window;
}

int run_message_loop()
{
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)msg.wParam;
}
