// Switching the screen saver off for the length of a tabulation, and on
// again afterwards, without saving the setting anywhere. The decisions need
// no Windows call: the setting is reached through the two calls of
// ScreenSaverAccess (SystemParametersInfo in the program, a stand-in in the
// tests).
#pragma once

// The screen-saver setting as the system lets a program read and write it.
struct ScreenSaverAccess {
    int (*query)(int *active);     // 1 when the query succeeded; *active then 0 or 1
    int (*switch_to)(int active);  // 1 when the change succeeded
};

extern int screen_saver_switched_off;  // 1 when the last suspend switched an active saver off

// Switches an active screen saver off (up to 10 tries); a saver that is off,
// or whose state cannot be read, is left alone.
void suspend_screen_saver_through(const ScreenSaverAccess &access);

// Switches the saver on again (up to 10 tries) if the last suspend switched
// it off and it is off now, or if its state cannot be read: a user's active
// saver is never left switched off by a run. A saver the user switched back
// on meanwhile is left alone.
void resume_screen_saver_through(const ScreenSaverAccess &access);

// The pair on the system's own setting (duvest95_driver.cpp).
void suspend_screen_saver();
void resume_screen_saver();
