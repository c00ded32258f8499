#include "scenarios_kept_state.h"

#include <windows.h>

#include <cstring>
#include <sstream>
#include <string>

#include "driver_tools.h"
#include "scenarios.h"

// A program and the file cases (lines of cases.txt without program and
// language, English) that one process computes in this order.
struct KeptStateSequence {
    const char *program;
    const char *steps[5];  // "degree all normalize [name=value]", NULL after the last
};

static const KeptStateSequence sequences[] = {
    // one n after all rows and the reverse; a short all-rows run after a long single n
    {"quobit95", {"100 1 0", "100 0 0", "4 1 0", "1 0 0", nullptr}},
    // the order switched between runs, rows kept in both triangles
    {"tovex98", {"3 0 0 second_order=1", "100 1 0 second_order=0", "100 1 0 second_order=1", "1 0 0 second_order=0",
                 nullptr}},
    {"quobit00", {"40 0 0", "100 1 1", "0 0 1", "100 1 0", nullptr}},
    // a single degree after all degrees and the reverse, and in gustre00 a change of kind between them
    {"nusk00", {"57 0 0", "100 1 0", "57 0 0", "0 0 0", nullptr}},
    {"gustre00", {"100 1 0 kind=2", "30 1 0 kind=1", "100 0 0 kind=2", "1 0 0 kind=0", nullptr}},
    {"zolvin01", {"28 0 0", "100 1 0", "28 0 0", "0 0 0", nullptr}},
};

static int checked(HWND window, int id)
{
    return (int)SendMessageA(GetDlgItem(window, id), BM_GETCHECK, 0, 0);
}

static bool is_radio_button(HWND window, int id)
{
    LONG style = GetWindowLongA(GetDlgItem(window, id), GWL_STYLE) & 0x0F;
    return style == BS_RADIOBUTTON || style == BS_AUTORADIOBUTTON;
}

// Clicks a check box or radio button until it shows state.
static bool set_box(HWND window, int id, int state)
{
    if (checked(window, id) == state)
        return true;
    click(window, id);
    return wait_until([&] { return checked(window, id) == state; });
}

// A check box set to value, or in a group of radio buttons from id on the
// one that value picks checked and the others of the group cleared.
static bool set_choice(HWND window, int id, int value)
{
    if (!is_radio_button(window, id))
        return set_box(window, id, value);
    bool set = set_box(window, id + value, 1);
    for (int other = id; is_radio_button(window, other); other++)
        set = set && (other == id + value || checked(window, other) == 0);
    return set;
}

// Chooses the list item with that text and tells the main window, as a user's choice does.
static bool select_degree(HWND window, int id, const std::string &text)
{
    HWND list = GetDlgItem(window, id);
    std::wstring wide(text.begin(), text.end());
    LRESULT index = SendMessageW(list, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)wide.c_str());
    if (index == CB_ERR)
        return false;
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)list);
    return SendMessageA(list, CB_GETCURSEL, 0, 0) == index;
}

// Sets the choices of one step, saves the file and compares it.
static void run_step(const ProgramCase &program, HWND window, const std::string &step)
{
    std::istringstream fields(step);
    std::string degree, all, normalize, parameter;
    fields >> degree >> all >> normalize >> parameter;
    std::string name = std::string(program.name) + "_en_" + degree + "_" + all + "_" + normalize +
                       (parameter.empty() ? "" : "_" + parameter) + ".xls";
    std::string what = std::string(program.name) + ": kept state, then " + name;
    std::string path = settings.work + "\\kept_" + name;
    DeleteFileA(path.c_str());

    bool set = select_degree(window, program.list_id, degree) && set_box(window, program.all_id, std::stoi(all));
    if (program.normalize_id)
        set = set_box(window, program.normalize_id, std::stoi(normalize)) && set;
    if (!parameter.empty()) {
        size_t equals = parameter.find('=');
        int id = parameter_control(program, parameter.substr(0, equals).c_str());
        set = id != 0 && set_choice(window, id, std::stoi(parameter.substr(equals + 1))) && set;
    }
    check(set, what + ": choices set");
    if (!settle(window))
        return;
    click(window, program.calc_id);
    HWND dialog = wait_for_window([&] { return find_owned_dialog(window, is_save_dialog); });
    check(dialog != NULL, what + ": save dialog opens");
    if (!dialog)
        return;
    SendMessageA(GetDlgItem(dialog, 0x47c), WM_SETTEXT, 0, (LPARAM)path.c_str());
    press(dialog, IDOK);
    HWND box = wait_for_window([&] { return find_owned_dialog(window, is_message_box); });
    check(box != NULL && window_text(box) == "Success" && message_text(box).find(path) != std::string::npos,
          what + ": success message");
    if (box) {
        press(box, IDOK);
        wait_until([&] { return !IsWindow(box); });
    }
    std::string actual, expected, detail;
    check(read_file(path, actual), what + ": written");
    check(read_file(settings.expected + "\\" + name, expected), what + ": expected file present");
    check(same_bytes(actual, expected, detail), what + ": bytes", detail);
}

void check_kept_state(const ProgramCase &program)
{
    for (const KeptStateSequence &sequence : sequences) {
        if (strcmp(sequence.program, program.name) != 0)
            continue;
        std::string exe = std::string(program.name);
        for (char &c : exe)
            c = (char)toupper((unsigned char)c);
        Running running;
        bool started = start_process(settings.bin + "\\" + exe + ".EXE", running);
        HWND window = started ? wait_for_window([&] { return find_main_window(running, program.title_en); }) : NULL;
        check(window != NULL, std::string(program.name) + ": kept state: main window");
        for (int i = 0; window && i < 5 && sequence.steps[i]; i++)
            run_step(program, window, sequence.steps[i]);
        end_process(running);
    }
}
