// Driving a program through its window from another process under the same
// Wine: starting it, finding its windows, pressing buttons, reading message
// boxes, waiting with time-outs (never fixed sleeps alone).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Results: every check prints "ok - name" or "not ok - name: detail".
void check(bool ok, const std::string &name, const std::string &detail = "");
int checks_passed();
int checks_failed();

// Polls until finder returns a window, or timeout_ms has passed (then NULL).
HWND wait_for_window(const std::function<HWND()> &finder, int timeout_ms = 10000);
// Polls until condition holds; false on time-out.
bool wait_until(const std::function<bool()> &condition, int timeout_ms = 10000);

struct Running {
    PROCESS_INFORMATION process;
    HWND window;  // the main window, once found
};

// Starts exe_path (its folder as the current directory); false when it cannot start.
bool start_process(const std::string &exe_path, Running &running);
// The visible top-level window of the process that bears title.
HWND find_main_window(const Running &running, const std::string &title);
// Waits for the process to end; its exit code in *code. False on time-out.
bool wait_exit(Running &running, DWORD *code, int timeout_ms = 10000);
// Ends the process if it still runs and closes its handles.
void end_process(Running &running);

std::string window_text(HWND window);
// The text of a control of another process: GetWindowText would return its
// creation title, WM_GETTEXT asks the control itself.
std::string control_text(HWND control);
std::string window_class(HWND window);
DWORD window_process(HWND window);

// A visible dialog ("#32770") owned by owner, for which accept returns true.
HWND find_owned_dialog(HWND owner, const std::function<bool(HWND)> &accept);
// A visible dialog of the process without an owner (the readme messages).
HWND find_unowned_dialog(DWORD process_id);
bool is_message_box(HWND dialog);  // has the static 0xFFFF of a message box
bool is_save_dialog(HWND dialog);  // has the file-name control cmb13
std::string message_text(HWND box);

// Answers a dialog: posts WM_COMMAND with the button id.
void press(HWND dialog, int button_id);
// Posts BM_CLICK to a child control of window.
void click(HWND window, int control_id);
// Waits until the thread of window answers a sent message: it is in a
// message loop (its own or a dialog's), not inside a command. Messages
// posted before may still wait in its queue.
bool settle(HWND window);

// Reads a whole file; false when it cannot be read.
bool read_file(const std::string &path, std::string &bytes);
bool file_exists(const std::string &path);
// Compares two byte strings; detail names the first difference.
bool same_bytes(const std::string &actual, const std::string &expected, std::string &detail);
