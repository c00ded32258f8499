#include "scenarios_exact_numbers.h"

#include <cctype>

#include "driver_tools.h"
#include "scenarios.h"

void check_exact_numbers_box(const ProgramCase &program)
{
    int id = parameter_control(program, "exact");
    if (id == 0)
        return;
    std::string name = std::string(program.name) + (settings.japanese ? " (ja)" : "") + ": exact-number box";
    std::string exe = program.name;
    for (char &c : exe)
        c = (char)toupper((unsigned char)c);
    Running running;
    if (!start_process(settings.bin + "\\" + exe + ".EXE", running)) {
        check(false, name, "cannot start");
        return;
    }
    std::string title = tr(program.title_en, program.title_ja);
    HWND window = wait_for_window([&] { return find_main_window(running, title); });
    check(window != NULL, name + ": main window");
    if (window) {
        HWND box = GetDlgItem(window, id);
        auto state = [&] { return (int)SendMessageA(box, BM_GETCHECK, 0, 0); };
        check(box != NULL && state() == 0, name + " clear at start");
        click(window, id);
        check(wait_until([&] { return state() == 1; }), name + " set by a click");
        click(window, id);
        check(wait_until([&] { return state() == 0; }), name + " cleared by a second click");
    }
    end_process(running);
}
