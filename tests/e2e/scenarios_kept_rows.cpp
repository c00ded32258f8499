#include "scenarios_kept_rows.h"

#include <cstring>
#include <string>

#include "driver_tools.h"
#include "scenarios.h"

// One calculation of a run: its choices and the expected file (a file case
// of cases.txt, written by the native table code).
struct RunStep {
    int degree;
    int all;
    int kind;  // the radio button chosen (from the program's first kind id), -1 for none
    const char *expected;
};

struct RunSequence {
    const char *program;
    int first_kind_id;
    RunStep steps[4];
};

static const RunSequence sequences[] = {
    {"nusk00", 0,
     {{57, 0, -1, "nusk00_en_57_0_0.xls"}, {100, 1, -1, "nusk00_en_100_1_0.xls"},
      {57, 0, -1, "nusk00_en_57_0_0.xls"}, {0, 0, -1, "nusk00_en_0_0_0.xls"}}},
    {"gustre00", 106,
     {{100, 1, 2, "gustre00_en_100_1_0_kind=2.xls"}, {30, 1, 1, "gustre00_en_30_1_0_kind=1.xls"},
      {100, 0, 2, "gustre00_en_100_0_0_kind=2.xls"}, {1, 0, 0, "gustre00_en_1_0_0_kind=0.xls"}}},
    {"zolvin01", 0,
     {{28, 0, -1, "zolvin01_en_28_0_0.xls"}, {100, 1, -1, "zolvin01_en_100_1_0.xls"},
      {28, 0, -1, "zolvin01_en_28_0_0.xls"}, {0, 0, -1, "zolvin01_en_0_0_0.xls"}}},
};

static std::string exe_of(const ProgramCase &program)
{
    std::string name = program.name;
    for (char &c : name)
        c = (char)toupper((unsigned char)c);
    return settings.bin + "\\" + name + ".EXE";
}

static int checked(HWND window, int id)
{
    return (int)SendMessageA(GetDlgItem(window, id), BM_GETCHECK, 0, 0);
}

// Clicks a check box or radio button until it shows state.
static bool set_button(HWND window, int id, int state)
{
    if (checked(window, id) == state)
        return true;
    click(window, id);
    return wait_until([&] { return checked(window, id) == state; });
}

static bool choose_degree(HWND window, int id, int degree)
{
    HWND list = GetDlgItem(window, id);
    std::wstring text = std::to_wstring(degree);
    LRESULT index = SendMessageW(list, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text.c_str());
    if (index == CB_ERR)
        return false;
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)list);
    return true;
}

// Makes the step's choices, saves into path and answers the success message.
static bool calculate(const ProgramCase &program, HWND window, const RunStep &step, const std::string &path)
{
    bool made = choose_degree(window, program.list_id, step.degree) && set_button(window, program.all_id, step.all);
    if (step.kind >= 0) {  // the chosen radio button checked, the other two cleared
        int first = program.parameters[0].id;
        made = made && set_button(window, first + step.kind, 1);
        for (int other = 0; other < 3; other++)
            made = made && (other == step.kind || checked(window, first + other) == 0);
    }
    if (!made || !settle(window))
        return false;
    click(window, program.calc_id);
    HWND dialog = wait_for_window([&] { return find_owned_dialog(window, is_save_dialog); });
    if (!dialog)
        return false;
    SendMessageA(GetDlgItem(dialog, 0x47c), WM_SETTEXT, 0, (LPARAM)path.c_str());
    press(dialog, IDOK);
    HWND box = wait_for_window([&] { return find_owned_dialog(window, is_message_box); });
    if (!box)
        return false;
    bool success = window_text(box) == "Success";
    press(box, IDOK);
    return wait_until([&] { return !IsWindow(box); }) && success;
}

void check_calculations_in_one_run(const ProgramCase &program)
{
    for (const RunSequence &sequence : sequences) {
        if (strcmp(sequence.program, program.name) != 0)
            continue;
        Running running;
        if (!start_process(exe_of(program), running)) {
            check(false, std::string(program.name) + ": one run", "cannot start");
            return;
        }
        HWND window = wait_for_window([&] { return find_main_window(running, program.title_en); });
        for (int i = 0; window && i < 4; i++) {
            const RunStep &step = sequence.steps[i];
            std::string path = settings.work + "\\run_" + std::to_string(i) + "_" + step.expected;
            DeleteFileA(path.c_str());
            std::string what = std::string(program.name) + ": one run, calculation " + std::to_string(i + 1) + " (" +
                               step.expected + ")";
            std::string written, expected, detail;
            bool done = calculate(program, window, step, path) && read_file(path, written) &&
                        read_file(settings.expected + "\\" + step.expected, expected);
            check(done && same_bytes(written, expected, detail), what, done ? detail : "not written");
        }
        check(window != NULL, std::string(program.name) + ": one run, main window");
        end_process(running);
    }
}

void check_window_band(const ProgramCase &program, HWND window, bool busy)
{
    if (strcmp(program.name, "gustre00") != 0 && strcmp(program.name, "zolvin01") != 0)
        return;
    bool topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    check(topmost == busy, std::string(program.name) + (busy ? ": topmost while busy" : ": not topmost afterwards"));
}
