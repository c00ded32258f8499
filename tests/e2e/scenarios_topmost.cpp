#include "scenarios_topmost.h"

#include <cstring>
#include <string>

#include "driver_tools.h"

void check_window_band(const ProgramCase &program, HWND window, bool busy)
{
    if (strcmp(program.name, "gustre00") != 0 && strcmp(program.name, "zolvin01") != 0)
        return;
    bool topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    check(topmost == busy, std::string(program.name) + (busy ? ": topmost while busy" : ": not topmost afterwards"));
}
