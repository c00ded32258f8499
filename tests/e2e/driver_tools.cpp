#include "driver_tools.h"

#include <cstdio>
#include <vector>

static int passed_count, failed_count;

void check(bool ok, const std::string &name, const std::string &detail)
{
    if (ok) {
        passed_count++;
        printf("ok - %s\n", name.c_str());
    } else {
        failed_count++;
        printf("not ok - %s%s%s\n", name.c_str(), detail.empty() ? "" : ": ", detail.c_str());
    }
    fflush(stdout);
}

int checks_passed() { return passed_count; }
int checks_failed() { return failed_count; }

bool wait_until(const std::function<bool()> &condition, int timeout_ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if ((int)(GetTickCount() - start) > timeout_ms)
            return false;
        Sleep(20);
    }
}

HWND wait_for_window(const std::function<HWND()> &finder, int timeout_ms)
{
    HWND found = NULL;
    wait_until([&] { return (found = finder()) != NULL; }, timeout_ms);
    return found;
}

bool start_process(const std::string &exe_path, Running &running)
{
    std::string folder = exe_path.substr(0, exe_path.find_last_of('\\'));
    std::string command = "\"" + exe_path + "\"";
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    ZeroMemory(&running, sizeof running);
    return CreateProcessA(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup,
                          &running.process) != 0;
}

DWORD window_process(HWND window)
{
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

HWND find_main_window(const Running &running, const std::string &title)
{
    HWND window = FindWindowA(NULL, title.c_str());
    if (window && window_process(window) == running.process.dwProcessId && IsWindowVisible(window))
        return window;
    return NULL;
}

bool wait_exit(Running &running, DWORD *code, int timeout_ms)
{
    if (WaitForSingleObject(running.process.hProcess, timeout_ms) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(running.process.hProcess, code);
    return true;
}

void end_process(Running &running)
{
    if (!running.process.hProcess)
        return;
    if (WaitForSingleObject(running.process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(running.process.hProcess, 1);
        WaitForSingleObject(running.process.hProcess, 5000);
    }
    CloseHandle(running.process.hProcess);
    CloseHandle(running.process.hThread);
    ZeroMemory(&running, sizeof running);
}

std::string window_text(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string control_text(HWND control)
{
    char text[256] = "";
    SendMessageA(control, WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

std::string window_class(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct DialogSearch {
    HWND owner;
    DWORD process_id;
    const std::function<bool(HWND)> *accept;
    HWND found;
};

static BOOL CALLBACK match_dialog(HWND window, LPARAM data)
{
    DialogSearch *search = (DialogSearch *)data;
    if (!IsWindowVisible(window) || window_class(window) != "#32770")
        return TRUE;
    HWND owner = GetWindow(window, GW_OWNER);
    if (search->owner ? owner != search->owner : (owner != NULL || window_process(window) != search->process_id))
        return TRUE;
    if (search->accept && *search->accept && !(*search->accept)(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND find_owned_dialog(HWND owner, const std::function<bool(HWND)> &accept)
{
    DialogSearch search = {owner, 0, &accept, NULL};
    EnumWindows(match_dialog, (LPARAM)&search);
    return search.found;
}

HWND find_unowned_dialog(DWORD process_id)
{
    DialogSearch search = {NULL, process_id, NULL, NULL};
    EnumWindows(match_dialog, (LPARAM)&search);
    return search.found;
}

bool is_message_box(HWND dialog) { return GetDlgItem(dialog, 0xFFFF) != NULL; }

bool is_save_dialog(HWND dialog) { return GetDlgItem(dialog, 0x47c) != NULL; }

std::string message_text(HWND box) { return window_text(GetDlgItem(box, 0xFFFF)); }

void press(HWND dialog, int button_id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED), 0); }

void click(HWND window, int control_id) { PostMessageA(GetDlgItem(window, control_id), BM_CLICK, 0, 0); }

bool settle(HWND window)
{
    DWORD_PTR result;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

bool read_file(const std::string &path, std::string &bytes)
{
    FILE *file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes.clear();
    char buffer[65536];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    fclose(file);
    return true;
}

bool file_exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool same_bytes(const std::string &actual, const std::string &expected, std::string &detail)
{
    if (actual == expected)
        return true;
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        at++;
    char text[200];
    snprintf(text, sizeof text, "%zu bytes, expected %zu; first difference at byte %zu", actual.size(),
             expected.size(), at);
    detail = text;
    return false;
}
