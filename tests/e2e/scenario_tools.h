// The helpers of the end-to-end scenarios that scenario files of their own
// (scenarios_<programs>.cpp) share with scenarios.cpp.
#pragma once

#include <windows.h>

#include <string>

#include "driver_tools.h"
#include "programs.h"

const char *tr(const char *english, const char *japanese);  // by the language of the run
std::string exe_path(const ProgramCase &program);

// A program started for one scenario and ended when it is done.
struct Session {
    Running running;
    HWND window = NULL;

    Session(const ProgramCase &program, const std::string &path)
    {
        if (!start_process(path, running))
            return;
        std::string title = tr(program.title_en, program.title_ja);
        window = wait_for_window([&] { return find_main_window(running, title); });
    }
    explicit Session(const ProgramCase &program) : Session(program, exe_path(program)) {}
    ~Session() { end_process(running); }
};

// "program: what", with "(ja)" in a Japanese run
std::string label(const ProgramCase &program, const std::string &what);
HWND control(const Session &session, int id);
// Clicks a check box and waits until it shows the new state.
bool set_check(const Session &session, int id, int state);
// Chooses the list item with the given text and tells the main window.
bool select_item(const Session &session, int id, const std::string &text);
// Empties an edit box and types the text key by key; returns what it shows.
std::string type_into(const Session &session, int id, const std::string &text);
HWND wait_message_box(HWND owner);
// Fills empty typed parameters with "1", presses Calculation, waits for the save dialog.
HWND open_save_dialog(const ProgramCase &program, const Session &session);
void enter_file_name(HWND dialog, const std::string &path);
// Answers the open message box with OK after checking its text and caption.
void expect_message(const ProgramCase &program, const Session &session, const std::string &what,
                    const std::string &text, const std::string &caption);
std::string work_file(const char *name);
// The window that has the keyboard focus in the thread of window.
HWND focus_of(HWND window);
HWND wait_save_dialog(const Session &session);
// The dialog closed, the program idle and no dialog or message box of it open.
bool ends_silently(const Session &session, HWND dialog);
// Pure red pixels on the screen in the 102 x 22 box at (left, top) of the client area.
int red_pixels(HWND window, int left, int top);
