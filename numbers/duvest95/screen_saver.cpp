#include "screen_saver.h"

int screen_saver_switched_off;

enum { SWITCH_TRIES = 10 };

// Tries the change up to ten times; 1 when one of them succeeded.
static int switch_screen_saver(const ScreenSaverAccess &access, int active)
{
    for (int i = 0; i < SWITCH_TRIES; i++)
        if (access.switch_to(active) == 1)
            return 1;
    return 0;
}

void suspend_screen_saver_through(const ScreenSaverAccess &access)
{
    screen_saver_switched_off = 0;
    int active = 0;
    if (access.query(&active) != 1 || active != 1)
        return;
    if (switch_screen_saver(access, 0))
        screen_saver_switched_off = 1;
}

void resume_screen_saver_through(const ScreenSaverAccess &access)
{
    if (screen_saver_switched_off != 1)
        return;
    int active = 0;
    int known = access.query(&active) == 1;
    if (!known || active == 0)
        switch_screen_saver(access, 1);
}
