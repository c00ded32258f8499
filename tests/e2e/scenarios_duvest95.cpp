#include "scenarios_duvest95.h"

#include <windows.h>

#include <cstdio>

enum {
    ID_Q = 101,
    ID_N = 102,
    ID_M = 103,
    ID_RESULT = 104,
    ID_ABOUT = 105,
    ID_SAVE = 106,
    ID_EXIT = 107,
    ID_CALC = 108,
    ID_TABULATION = 110
};

static const int BUTTON_IDS[] = {ID_ABOUT, ID_SAVE, ID_EXIT, ID_CALC, ID_TABULATION};
static const int BUSY_LEFT = 219, BUSY_TOP = 110;  // the In Process box in the client area

static std::string result_shown(const Session &session)
{
    return control_text(control(session, ID_RESULT));
}

// Types q, chooses n and m and presses Calculation; returns the result box's
// text once it shows one (empty after a time-out).
static std::string calculate(const Session &session, const std::string &q, int n, int m)
{
    type_into(session, ID_Q, q);
    select_item(session, ID_N, std::to_string(n));
    select_item(session, ID_M, std::to_string(m));
    if (!settle(session.window))
        return "";
    click(session.window, ID_CALC);
    wait_until([&] { return !result_shown(session).empty(); });
    return result_shown(session);
}

static int enabled_buttons(const Session &session)
{
    int count = 0;
    for (int id : BUTTON_IDS)
        count += IsWindowEnabled(control(session, id)) ? 1 : 0;
    return count;
}

static bool is_topmost(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// The dark pixels of the caption's close button on the screen: its cross is
// black when Close is enabled and grey when it is greyed.
static int dark_close_button_pixels(HWND window)
{
    RECT frame;
    GetWindowRect(window, &frame);
    int width = GetSystemMetrics(SM_CXSIZE), height = GetSystemMetrics(SM_CYSIZE);
    int left = frame.right - GetSystemMetrics(SM_CXFIXEDFRAME) - width, top = frame.top + GetSystemMetrics(SM_CYFIXEDFRAME);
    HDC screen = GetDC(NULL);
    int count = 0;
    for (int y = top; y < top + height; y++)
        for (int x = left; x < frame.right - GetSystemMetrics(SM_CXFIXEDFRAME); x++) {
            COLORREF pixel = GetPixel(screen, x, y);
            if (GetRValue(pixel) < 64 && GetGValue(pixel) < 64 && GetBValue(pixel) < 64)
                count++;
        }
    ReleaseDC(NULL, screen);
    return count;
}

// The screen-saver setting as a new process sees it: 1 active, 0 not, 2
// failed; with a value, switches it for the session first.
static int screen_saver_state(const char *value = nullptr)
{
    char folder[MAX_PATH];
    GetModuleFileNameA(NULL, folder, sizeof folder);
    std::string path = folder;
    path = path.substr(0, path.find_last_of('\\') + 1) + "screen_saver_state.exe";
    std::string command = "\"" + path + "\"" + (value ? std::string(" ") + value : "");
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(path.c_str(), &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return 3;
    DWORD code = 3;
    if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return (int)code;
}

static std::string saved_message(const std::string &path, bool tabulation)
{
    if (settings.japanese)
        return "結果は下記のファイルに保存されました;\n  " + path +
               (tabulation ? "\nファイルをダブルクリックすると結果を読めます." : ".");
    return "The result has been saved in the file\n  " + path +
           (tabulation ? ".\nDouble click the file, then you can read the result." : ".");
}

static void check_startup(const ProgramCase &program)
{
    check_startup_state(program);  // the n list, the button texts
    Session session(program);
    if (!session.window)
        return;
    HWND m_list = control(session, ID_M);
    int count = (int)SendMessageA(m_list, CB_GETCOUNT, 0, 0);
    WCHAR last[16] = L"";
    SendMessageW(m_list, CB_GETLBTEXT, count - 1, (LPARAM)last);
    check(count == 201 && std::wstring(last) == L"200" && SendMessageA(m_list, CB_GETCURSEL, 0, 0) == 0,
          label(program, "m list 0 to 200, 0 chosen"), std::to_string(count));
    check(settle(session.window) && focus_of(session.window) == control(session, ID_Q) &&
              control_text(control(session, ID_Q)).empty(),
          label(program, "q empty with the focus"));
    HWND box = control(session, ID_RESULT);
    check(result_shown(session).empty() && !IsWindowEnabled(box), label(program, "result box empty and disabled"));
    check(GetDlgItem(session.window, 109) == NULL && window_text(control(session, ID_TABULATION)) == tr("Tabulation", "表作成") &&
              window_text(control(session, ID_SAVE)) == tr("Save", "保存"),
          label(program, "no control 109; Save and Tabulation"));
}

static void check_calculation(const ProgramCase &program)
{
    Session session(program);
    if (!session.window) {
        check(false, label(program, "Calculation"), "no main window");
        return;
    }
    struct Case {
        const char *q;
        int n, m;
        const char *shown;
    } cases[] = {
        {"2", 4, 2, "3.5E+01"},     {"0", 7, 3, "1E+00"},           {"1", 200, 100, "9.054851E+58"},
        {"2", 200, 100, "6.908398E+3010"}, {"10", 200, 100, "1.123583E+10000"}, {"10", 3, 5, "0E+00"},
        {"0.5", 10, 3, "3.026826E+00"},
    };
    for (const Case &c : cases) {
        std::string shown = calculate(session, c.q, c.n, c.m);
        check(shown == c.shown,
              label(program, std::string("Calculation q=") + c.q + " n=" + std::to_string(c.n) + " m=" + std::to_string(c.m)),
              "shows \"" + shown + "\"");
    }
    HWND box = control(session, ID_RESULT);
    check(settle(session.window) && focus_of(session.window) != box && !IsWindowEnabled(box),
          label(program, "the result box neither focused nor enabled"));

    // any touch of q, n or m empties the result
    calculate(session, "2", 4, 2);
    type_into(session, ID_Q, "3");
    check(result_shown(session).empty(), label(program, "typing q empties the result"));
    calculate(session, "2", 4, 2);
    select_item(session, ID_N, "5");
    check(result_shown(session).empty(), label(program, "choosing n empties the result"));
    calculate(session, "2", 4, 2);
    select_item(session, ID_M, "1");
    check(result_shown(session).empty(), label(program, "choosing m empties the result"));
}

static void check_q_refused(const ProgramCase &program)
{
    Session session(program);
    if (!session.window) {
        check(false, label(program, "q refused"), "no main window");
        return;
    }
    HWND edit = control(session, ID_Q);
    const std::string empty_en = "No numerical value in the Editbox (q)!", range_en = "The numerical value of q : 0 <= q <= 10";
    const std::string empty_ja = "エディットボックス (q) に数値がありません!", range_ja = "q の数値： 0 <= q <= 10";
    struct Case {
        const char *typed;  // typed key by key, or set whole (as pasted) when set_whole
        bool set_whole;
        const char *kept;   // what the filter leaves in the box
        bool empty;         // the message of an empty box, or else that of the range
    } cases[] = {
        {"", false, "", true},         {"10.5", false, "10.5", false}, {"nan", false, "", true},
        {"inf", true, "", true},       {"-5", true, "-5", false},      {"10.000001", true, "10.000001", false},
    };
    for (const Case &c : cases) {
        std::string what = std::string("q \"").append(c.typed).append("\"");
        if (c.set_whole)
            SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)c.typed);  // the filter runs on it
        else
            type_into(session, ID_Q, c.typed);
        check(control_text(edit) == c.kept, label(program, what + ": the box as filtered"),
              std::string("\"").append(control_text(edit)).append("\""));
        if (!settle(session.window))
            return;
        click(session.window, ID_CALC);
        if (c.empty)
            expect_message(program, session, what, settings.japanese ? empty_ja : empty_en, tr("Error", "エラー"));
        else
            expect_message(program, session, what, settings.japanese ? range_ja : range_en, tr("Information", "お知らせ"));
        check(settle(session.window) && control_text(edit).empty() && focus_of(session.window) == edit &&
                  result_shown(session).empty(),
              label(program, what + ": box empty and focused, no result"));
    }
    // a hexadecimal form loses its letters: what stays is a plain number
    SendMessageA(edit, WM_SETTEXT, 0, (LPARAM) "0x5");
    check(control_text(edit) == "0", label(program, "q \"0x5\" pasted: the box keeps \"0\""), control_text(edit));
}

static HWND press_for_dialog(const Session &session, int button)
{
    if (!settle(session.window))
        return NULL;
    click(session.window, button);
    return wait_save_dialog(session);
}

static void check_save(const ProgramCase &program)
{
    std::string name = settings.japanese ? "duvest95_ja_save.txt" : "duvest95_en_save.txt";
    std::string path = work_file(name.c_str());
    DeleteFileA(path.c_str());
    Session session(program);
    if (!session.window) {
        check(false, label(program, "Save"), "no main window");
        return;
    }
    if (settle(session.window)) {
        click(session.window, ID_SAVE);
        expect_message(program, session, "Save without a result", tr("No calculation result.", "計算結果がありません."),
                       tr("Error", "エラー"));
    }
    calculate(session, "0.5", 10, 3);
    HWND dialog = press_for_dialog(session, ID_SAVE);
    check(dialog != NULL, label(program, "Save: dialog opens"));
    if (!dialog)
        return;
    check(window_text(dialog) == tr("Assign a file to save the result.", "結果を保存するファイル名の選択"),
          label(program, "Save: dialog title"), window_text(dialog));
    enter_file_name(dialog, path);
    expect_message(program, session, "Save", saved_message(path, false), tr("Information", "お知らせ"));
    std::string written, detail;
    std::string expected = std::string(tr("q-BINOMIAL COEFFICIENT nC[q]m", "q 二項係数 nC[q]m")) +
                           "\r\n   q = 0.5\r\n   n = 10\r\n   m = 3\r\n   nC[q]m = 3.026826E+00\r\n";
    check(read_file(path, written) && same_bytes(written, expected, detail), label(program, "Save: file bytes"),
          detail);
    check(result_shown(session) == "3.026826E+00", label(program, "Save: the result stays"));
    if (settings.japanese)
        return;

    // a name without ".txt"
    std::string refused = work_file("duvest95_refused.xls");
    DeleteFileA(refused.c_str());
    dialog = press_for_dialog(session, ID_SAVE);
    if (dialog) {
        enter_file_name(dialog, refused);
        expect_message(program, session, "Save to .xls", "Assign a file with TXT extension.", "Error");
        check(!file_exists(refused), label(program, "Save to .xls: no file"));
    }

    // the own overwrite prompt comes after the dialog; No leaves the file as it was
    FILE *file = fopen(path.c_str(), "wb");
    fputs("keep me", file);
    fclose(file);
    dialog = press_for_dialog(session, ID_SAVE);
    if (dialog) {
        enter_file_name(dialog, path);
        HWND prompt = wait_message_box(session.window);
        check(prompt && message_text(prompt) == "File already exists.  Do you overwrite it ?" &&
                  window_text(prompt) == "Warning",
              label(program, "Save: overwrite prompt"), prompt ? message_text(prompt) : "none");
        if (prompt) {
            press(prompt, IDNO);
            check(ends_silently(session, prompt), label(program, "Save: No ends silently"));
        }
        check(read_file(path, written) && written == "keep me", label(program, "Save: No keeps the file"));
    }
}

// Tabulation of n with q into path: the save dialog, and Yes to the
// overwrite prompt when one comes. Returns the message box that follows
// (still open), NULL when none came.
static HWND tabulate(const ProgramCase &program, const Session &session, int n, const std::string &q,
                     const std::string &path, const std::string &what)
{
    check(select_item(session, ID_N, std::to_string(n)), label(program, what + ": n chosen"));
    type_into(session, ID_Q, q);
    HWND dialog = press_for_dialog(session, ID_TABULATION);
    check(dialog != NULL, label(program, what + ": dialog opens"));
    if (!dialog)
        return NULL;
    check(window_text(dialog) == tr("Assign a file to save the result.", "結果を保存するファイル名の選択"),
          label(program, what + ": dialog title"), window_text(dialog));
    enter_file_name(dialog, path);
    wait_until([&] { return !IsWindow(dialog); });
    HWND box = wait_message_box(session.window);
    if (box && message_text(box) == tr("File already exists.  Do you overwrite it ?", "ファイルは既に存在します.  上書きしますか?")) {
        press(box, IDYES);
        wait_until([&] { return !IsWindow(box); });
        box = wait_message_box(session.window);
    }
    return box;
}

// Every guard off: the five buttons enabled, not topmost, no busy box.
static void check_guards_off(const ProgramCase &program, const Session &session, const std::string &what)
{
    check(enabled_buttons(session) == 5, label(program, what + ": the five buttons enabled"),
          std::to_string(enabled_buttons(session)));
    check(!is_topmost(session.window), label(program, what + ": no longer topmost"));
    check(red_pixels(session.window, BUSY_LEFT, BUSY_TOP) == 0, label(program, what + ": no In Process box"));
}

void check_duvest95_tabulation_file(const ProgramCase &program, const FileCase &file_case)
{
    std::string what = "file " + file_case.file_name;
    std::string path = work_file(file_case.file_name.c_str());
    DeleteFileA(path.c_str());
    std::string q = "1";
    for (const auto &parameter : file_case.parameters)
        if (parameter.first == "q")
            q = parameter.second;
    Session session(program);
    if (!session.window) {
        check(false, label(program, what), "no main window");
        return;
    }
    calculate(session, q, file_case.degree, 0);  // a result, which the tabulation empties
    HWND box = tabulate(program, session, file_case.degree, q, path, what);
    check(box && message_text(box) == saved_message(path, true) && window_text(box) == tr("Success", "成功"),
          label(program, what + ": success message"), box ? message_text(box) : "none");
    if (box) {
        check_guards_off(program, session, what);
        press(box, IDOK);
    }
    std::string actual, expected, detail;
    check(read_file(path, actual), label(program, what + ": written"));
    check(read_file(settings.expected + "\\" + file_case.file_name, expected), label(program, what + ": expected file present"));
    check(same_bytes(actual, expected, detail), label(program, what + ": bytes"), detail);
    check(result_shown(session).empty(), label(program, what + ": result box empty"));
}

// The tabulation caught in the middle: it writes into the named pipe
// "busy_duvest95.xls", which holds the program back once the pipe is full
// (see check_busy_box). The file of n = 200 is barely larger than one pipe
// page, so one byte is put into the pipe first.
static void check_guards_while_running(const ProgramCase &program)
{
    std::string what = "Tabulation running";
    std::string base = work_file("busy_duvest95");
    check(screen_saver_state("1") == 0 && screen_saver_state() == 1, label(program, what + ": screen saver active before"));
    Session session(program);
    if (!session.window) {
        check(false, label(program, what), "no main window");
        return;
    }
    HANDLE pipe = CreateFileA((base + ".xls").c_str(), GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    DWORD put = 0;
    check(pipe != INVALID_HANDLE_VALUE && WriteFile(pipe, "#", 1, &put, NULL) && put == 1,
          label(program, what + ": a byte put into the pipe"));
    CloseHandle(pipe);
    settle(session.window);  // the caption drawn before its pixels are read
    int dark_idle = dark_close_button_pixels(session.window);
    check(red_pixels(session.window, BUSY_LEFT, BUSY_TOP) == 0 && !is_topmost(session.window),
          label(program, what + ": no box, not topmost before"));

    select_item(session, ID_N, "200");
    type_into(session, ID_Q, "10");
    HWND dialog = press_for_dialog(session, ID_TABULATION);
    if (!dialog) {
        check(false, label(program, what), "no save dialog");
        return;
    }
    enter_file_name(dialog, base + ".xls");
    HWND prompt = wait_message_box(session.window);  // the pipe exists
    if (prompt)
        press(prompt, IDYES);
    bool shown = wait_until([&] { return red_pixels(session.window, BUSY_LEFT, BUSY_TOP) > 1000; });
    check(shown, label(program, what + ": In Process box shown"));
    check(enabled_buttons(session) == 0, label(program, what + ": the five buttons disabled"),
          std::to_string(enabled_buttons(session)));
    check(is_topmost(session.window), label(program, what + ": window topmost"));
    int dark_running = dark_close_button_pixels(session.window);
    check(dark_running < dark_idle / 2, label(program, what + ": Close greyed"),
          std::to_string(dark_running) + " dark pixels, " + std::to_string(dark_idle) + " before");
    check(screen_saver_state() == 0, label(program, what + ": screen saver off"));

    FILE *go = fopen((base + ".go").c_str(), "wb");
    if (go)
        fclose(go);
    HWND box = wait_message_box(session.window);
    check(box && window_text(box) == tr("Success", "成功"), label(program, what + ": success"));
    if (box) {
        // the message box is moved off the main window before its pixels are read
        SetWindowPos(box, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        settle(session.window);
        check_guards_off(program, session, what + " ended");
        check(screen_saver_state() == 1, label(program, what + " ended: screen saver active again"));
        press(box, IDOK);
        // Close as the user sees it once the message is answered and the
        // window is active again, as it was when dark_idle was read
        wait_until([&] { return !IsWindow(box); });
        check(wait_until([&] { return dark_close_button_pixels(session.window) >= dark_idle / 2; }),
              label(program, what + " ended: Close enabled"),
              std::to_string(dark_close_button_pixels(session.window)) + " dark pixels, " + std::to_string(dark_idle) +
                  " before");
    }
    std::string written, expected, detail;
    wait_until([&] { return file_exists(base + ".out"); });
    read_file(base + ".out", written);
    read_file(settings.expected + "\\duvest95_en_200_0_0_q=10.xls", expected);
    check(written.size() > 1 && same_bytes(written.substr(1), expected, detail),
          label(program, what + ": the file through the pipe"), detail);
    check(settle(session.window) && GetForegroundWindow() == session.window,
          label(program, what + ": window in front afterwards"));
}

// A saver that is off before stays off, and the run does not touch it.
static void check_inactive_saver_stays_off(const ProgramCase &program)
{
    std::string what = "Tabulation, screen saver off";
    std::string path = work_file("duvest95_saver_off.xls");
    DeleteFileA(path.c_str());
    check(screen_saver_state("0") == 0 && screen_saver_state() == 0, label(program, what + ": switched off before"));
    Session session(program);
    HWND box = session.window ? tabulate(program, session, 20, "3", path, what) : NULL;
    check(box && window_text(box) == "Success", label(program, what + ": success"));
    if (box) {
        int state = screen_saver_state();
        check(state == 0, label(program, what + ": still off"), std::to_string(state));
        press(box, IDOK);
    }
    screen_saver_state("1");
}

// The Unix form of a path on drive Z: (Z:\a\b -> /a/b).
static std::string unix_path(const std::string &path)
{
    std::string unix = path.substr(2);
    for (char &c : unix)
        if (c == '\\')
            c = '/';
    return unix;
}

// A disk that fills up: the program is started by the Unix shell with a
// file-size limit of 1 KiB (Wine starts Unix programs like any other), so
// that the tabulation of n = 200, about 4 KiB, fails while it is written.
// The failure is reported after every guard is off, and the file is deleted.
static void check_failed_write(const ProgramCase &program)
{
    std::string what = "Tabulation onto a full disk";
    std::string path = work_file("duvest95_full.xls");
    DeleteFileA(path.c_str());
    screen_saver_state("1");
    // The window found below must be the one of the program started here: an
    // earlier window still open would be found instead, and would make the
    // new one close itself as a second instance.
    check(wait_until([] { return FindWindowA(NULL, "q-Binomial Coefficient") == NULL; }),
          label(program, what + ": no earlier window open"));
    std::string command = "/bin/sh -c \"trap '' XFSZ; ulimit -f 1; exec ${WINELOADER:-/usr/lib/wine/wine64} " +
                          unix_path(exe_path(program)) + "\"";
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    bool started = CreateProcessA("Z:\\bin\\sh", &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process);
    check(started, label(program, what + ": started with a file-size limit"));
    if (!started)
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // a Session that started nothing itself: it only names the window found
    Session session(program, settings.work + "\\no_such_program.exe");
    // visible only once its creation has ended: the title is set, and the
    // window can be found, before the lists are filled
    session.window = wait_for_window([] {
        HWND window = FindWindowA(NULL, "q-Binomial Coefficient");
        return window && IsWindowVisible(window) ? window : NULL;
    });
    if (!session.window) {
        check(false, label(program, what), "no main window");
        return;
    }
    HWND box = tabulate(program, session, 200, "10", path, what);
    check(box && message_text(box) == "Unable to write the result to the file.\nThe incomplete file has been deleted." &&
              window_text(box) == "Error",
          label(program, what + ": reported"), box ? message_text(box) : "none");
    if (box) {
        SetWindowPos(box, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        settle(session.window);
        check_guards_off(program, session, what);
        check(screen_saver_state() == 1, label(program, what + ": screen saver active again"));
        check(!file_exists(path), label(program, what + ": the incomplete file deleted"));
        press(box, IDOK);
    }
    check(settle(session.window) && result_shown(session).empty(), label(program, what + ": no result left"));
    HWND window = session.window;
    PostMessageA(window, WM_CLOSE, 0, 0);
    check(wait_until([&] { return !IsWindow(window); }), label(program, what + ": closed afterwards"));
}

void run_duvest95_scenarios(const ProgramCase &program)
{
    check_startup(program);
    check_calculation(program);
    check_q_refused(program);
    check_save(program);
    if (settings.japanese)
        return;
    check_about_dialog(program);
    check_missing_readme(program);
    check_exit_and_close_box(program);
    check_second_instance(program);
    check_guards_while_running(program);
    check_inactive_saver_stays_off(program);
    check_failed_write(program);
}
