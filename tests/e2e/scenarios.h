// The end-to-end scenarios of the shell, run against any program.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "driver_tools.h"
#include "programs.h"

struct DriverSettings {
    std::string bin;       // the folder of the programs (Windows path)
    std::string work;      // a folder for the files the programs write
    std::string expected;  // the files the native table code wrote
    std::string cdrom;     // the root of a drive that Wine reports as a CD-ROM
    int japanese;          // the driver runs in code page 932
};

extern DriverSettings settings;

// The English or the Japanese text, by the language of the run.
const char *tr(const char *english, const char *japanese);

void check_startup_state(const ProgramCase &program);
// One line of the file-case table: the choices, and the name of the file that
// holds both the expected bytes and (in the work folder) the written ones.
struct FileCase {
    int degree;
    int all;
    int normalize;
    std::vector<std::pair<std::string, std::string>> parameters;  // name, value
    std::string file_name;
};

void check_file_case(const ProgramCase &program, const FileCase &file_case);
void check_cancel(const ProgramCase &program);
void check_refused_extension(const ProgramCase &program);
void check_overwrite_declined(const ProgramCase &program);
void check_cdrom_refused(const ProgramCase &program);
void check_about_dialog(const ProgramCase &program);
void check_missing_readme(const ProgramCase &program);
void check_exit_and_close_box(const ProgramCase &program);
void check_second_instance(const ProgramCase &program);
void check_write_failure(const ProgramCase &program);
void check_typing(const ProgramCase &program, const EntryCase &entry);
void check_empty_and_outside(const ProgramCase &program, const EntryCase &entry);
void check_refusal(const ProgramCase &program, const RefusalCase &refusal);
// The In Process box is seen while the program writes into a named pipe
// "busy_<program>.xls" whose reader (tests/tools/held_pipe_reader) holds it
// back until "busy_<program>.go" exists, and is gone once the calculation
// has ended; the reader leaves what came through in "busy_<program>.out".
void check_busy_box(const ProgramCase &program, const BusyCase &busy);

// Pieces of the scenarios above, for the scenario files of single programs.
std::string exe_path(const ProgramCase &program);  // the program's .EXE in the bin folder

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

HWND control(const Session &session, int id);
std::string label(const ProgramCase &program, const std::string &what);  // "name: what", "name (ja): what"
std::string work_file(const char *name);                                 // a file in the work folder
// Chooses a list item by its text as a user does (the main window is told).
bool select_item(const Session &session, int id, const std::string &text);
// Types text key by key into an emptied edit box; returns what it shows then.
std::string type_into(const Session &session, int id, const std::string &text);
HWND wait_save_dialog(const Session &session);
HWND wait_message_box(HWND owner);
void enter_file_name(HWND dialog, const std::string &path);
// The dialog closed, the program idle and no dialog or message box of it open.
bool ends_silently(const Session &session, HWND dialog);
// Checks the text and caption of the message box that opens and answers OK.
void expect_message(const ProgramCase &program, const Session &session, const std::string &what,
                    const std::string &text, const std::string &caption);
// Pure red pixels on the screen in the 102 x 22 box at (left, top) of the client area.
int red_pixels(HWND window, int left, int top);
HWND focus_of(HWND window);  // the window with the keyboard focus in the thread of window
