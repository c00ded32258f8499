// Reads or sets the session's screen-saver setting from a process of its own,
// as another program with a window sees it:
//   screen_saver_state       exit code 1 when active, 0 when not, 2 when the query fails
//   screen_saver_state 0|1   switches it for the session (not saved); exit code 0, 2 on failure
// Under Wine a process with a window reaches the X display's own screen saver
// (its time-out, 0 when off), as the programs do; without a window it would
// read a copy in the registry that each process reads once. A change is sent
// to the display only with the next request that waits for an answer, so the
// setting is read back before the process ends.
#include <windows.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    int code;
    if (argc > 1) {
        BOOL ok = SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, atoi(argv[1]) ? TRUE : FALSE, NULL, SPIF_SENDWININICHANGE);
        BOOL active = FALSE;
        SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
        code = ok && (active != 0) == (atoi(argv[1]) != 0) ? 0 : 2;
    } else {
        BOOL active = FALSE;
        code = SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0) ? (active ? 1 : 0) : 2;
    }
    DestroyWindow(window);
    return code;
}
