// The end-to-end checks of ruslam00: constants put on the clipboard, the
// icon bar's buttons pressed, the message boxes read and the result files
// compared with the exact references in tests/data/ruslam00; the hover
// labels read back from the screen; Help with and without a PDF viewer.
#include "scenarios_ruslam00.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver_tools.h"
#include "scenarios.h"

enum { ID_EXPAND = 105, ID_ABOUT = 106, ID_HELP = 107, ID_EXIT = 108, ID_COMPLEX = 110 };

static std::string data_folder;  // tests\data\ruslam00 of the checkout
static HWND clipboard_owner;     // a hidden window of the driver that owns what it puts on the clipboard

static std::string quoted(const std::string &text)
{
    return std::string(1, '"').append(text).append(1, '"');
}

static std::string label(const std::string &what)
{
    return std::string(settings.japanese ? "ruslam00 (ja): " : "ruslam00: ") + what;
}

static std::string exe_path()
{
    return settings.bin + "\\RUSLAM00.EXE";
}

static const char *title()
{
    return tr("Expansion of Factorial Powers", "因数分解式の展開");
}

// One run of the program, ended when the scenario is done.
struct Expander {
    Running running;
    HWND window = NULL;
    HWND bar = NULL;

    explicit Expander(const std::string &path = exe_path())
    {
        if (!start_process(path, running))
            return;
        window = wait_for_window([&] { return find_main_window(running, title()); });
        // the bar is placed and the check box created by the posted layout messages
        if (window)
            wait_until([&] { return GetDlgItem(window, ID_COMPLEX) != NULL; });
        bar = FindWindowExA(window, NULL, "IconBarWindow", NULL);
    }
    ~Expander() { end_process(running); }
};

// Puts text on the clipboard as CF_TEXT; NULL empties it.
static bool put_clipboard(const char *text, size_t length)
{
    if (!wait_until([] { return OpenClipboard(clipboard_owner) != 0; }, 5000))
        return false;
    EmptyClipboard();
    bool ok = true;
    if (text) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, length + 1);
        char *bytes = (char *)GlobalLock(memory);
        memcpy(bytes, text, length);
        bytes[length] = '\0';
        GlobalUnlock(memory);
        ok = SetClipboardData(CF_TEXT, memory) != NULL;
    }
    CloseClipboard();
    return ok;
}

static bool put_clipboard(const std::string &text)
{
    return put_clipboard(text.c_str(), text.size());
}

static int is_complex(const Expander &expander)
{
    return (int)SendMessageA(GetDlgItem(expander.window, ID_COMPLEX), BM_GETCHECK, 0, 0);
}

static bool set_complex(const Expander &expander, int state)
{
    if (is_complex(expander) != state)
        click(expander.window, ID_COMPLEX);
    return wait_until([&] { return is_complex(expander) == state; });
}

// Presses a button of the icon bar once the program is idle.
static void press_bar(const Expander &expander, int id)
{
    settle(expander.window);
    click(expander.bar, id);
}

static HWND wait_owned(HWND owner, bool (*kind)(HWND), int timeout_ms = 10000)
{
    return wait_for_window([&] { return find_owned_dialog(owner, kind); }, timeout_ms);
}

// Answers the message box that must open with OK, after checking its text and caption.
static void expect_box(const Expander &expander, const std::string &what, const std::string &text,
                       const std::string &caption)
{
    HWND box = wait_owned(expander.window, is_message_box);
    check(box != NULL, label(what + ": a message box owned by the window opens"));
    if (!box)
        return;
    check(message_text(box) == text, label(what + ": message text"), quoted(message_text(box)));
    check(window_text(box) == caption, label(what + ": caption"), window_text(box));
    press(box, IDOK);
    wait_until([&] { return !IsWindow(box); });
}

// After a refusal the program is idle with no dialog open: no save dialog followed.
static bool idle_without_dialog(const Expander &expander)
{
    return settle(expander.window) && find_owned_dialog(expander.window, nullptr) == NULL &&
           IsWindowEnabled(expander.window);
}

static std::string work_file(const std::string &name)
{
    return settings.work + "\\" + name;
}

static std::string success_text(const std::string &path)
{
    return settings.japanese ? "解は下記のファイルに保存されました;\n  " + path + "\nファイルをダブルクリックすると解を読めます."
                             : "The solution has been saved in the file\n  " + path +
                                   ".\nDouble click the file, then you can read the solution.";
}

// Expands the clipboard text of a reference case and compares the file it writes.
static void check_reference_file(const Expander &expander, const char *name, int complex_mode)
{
    std::string what = std::string("file ") + name;
    std::string text, expected;
    check(read_file(data_folder + "\\" + name + ".txt", text) && read_file(data_folder + "\\" + name + ".xls", expected),
          label(what + ": references present"));
    std::string path = work_file(std::string("ruslam00_") + name + ".xls");
    DeleteFileA(path.c_str());
    check(put_clipboard(text) && set_complex(expander, complex_mode), label(what + ": clipboard and mode set"));
    press_bar(expander, ID_EXPAND);
    HWND dialog = wait_owned(expander.window, is_save_dialog);
    check(dialog != NULL, label(what + ": save dialog opens"));
    if (!dialog)
        return;
    check(window_text(dialog) == tr("Assign a file to save a solution.", "解を保存するファイル名の選択"),
          label(what + ": dialog title"), window_text(dialog));
    SendMessageA(GetDlgItem(dialog, 0x47c), WM_SETTEXT, 0, (LPARAM)path.c_str());
    press(dialog, IDOK);
    expect_box(expander, what, success_text(path), tr("Success", "成功"));
    std::string actual, detail;
    check(read_file(path, actual), label(what + ": written"));
    check(same_bytes(actual, expected, detail), label(what + ": bytes"), detail);
}

static std::string rows(int count, const std::string &cell)
{
    std::string text;
    for (int i = 0; i < count; i++)
        text += cell + "\r\n";
    return text;
}

#define R3_EN "No proper data on the Clipboard.\nPlease refer to the help file (RUSLAM00.PDF).\nComplex number data?"
#define R3_JA "クリップボードに適切なデータがありません.\nヘルプファイル(RUSLAM0J.PDF)を参照してください.\n複素数データでは？"

struct ClipboardRefusal {
    const char *what;
    std::string text;  // "" with empty = true: nothing on the clipboard
    bool empty;
    int complex_mode;
    const char *message_en;
    const char *message_ja;
};

static std::vector<ClipboardRefusal> clipboard_refusals()
{
    std::string huge = std::string(41, '9') + "e10";  // 44 characters, near 1e51
    return {
        {"R1 no text", "", true, 0, "No text data on the Clipboard.\nPlease refer to the help file (RUSLAM00.PDF).",
         "クリップボードにテキストデータがありません.\nヘルプファイル(RUSLAM0J.PDF)を参照してください."},
        {"R2 no line end", "3", false, 0, "Incorrect Clipboard data.\nNot copied data from Excel.",
         "クリップボードのデータが不正です.\nExcelのデータのコピーではありません."},
        {"R3 a word", "abc\r\n", false, 0, R3_EN, R3_JA},
        {"R3 inf", "inf\r\n", false, 0, R3_EN, R3_JA},
        {"R3 nan", "1\r\nnan\r\n", false, 0, R3_EN, R3_JA},
        {"R3 hexadecimal", "0x1A\r\n", false, 0, R3_EN, R3_JA},
        {"R3 zero denominator", "1/0\r\n", false, 0, R3_EN, R3_JA},
        {"R3 two slashes", "1/2/3\r\n", false, 0, R3_EN, R3_JA},
        {"R3 two cells in real mode", "1\t2\r\n", false, 0, R3_EN, R3_JA},
        {"R3 one cell in complex mode", "1\r\n2\r\n", false, 1, R3_EN, R3_JA},
        {"R4 exponent", "1E11\r\n", false, 0, "E-10 <= exponent of the numerical value <= E10",
         "E-10 <= 数値の冪指数 <= E10"},
        {"R5 45 characters", std::string(45, '1') + "\r\n", false, 0,
         "More than 44 characters forming the numerical value.", "入力数値の文字数が４４以上です."},
        {"R6 101 rows", rows(101, "1"), false, 0, "Maximum data array is 100.", "データの最大個数は１００です!"},
        {"out of range", rows(100, huge), false, 0,
         "The coefficients of this product leave the range of extended-precision\n"
         "numbers (about 3.4E-4932 to 1.2E+4932) and cannot be computed.\nNo file is written.",
         "この積の係数は拡張精度の数の範囲 (約 3.4E-4932 ～ 1.2E+4932)\nを超えるため計算できません.\n"
         "ファイルは作成されません."},
    };
}

static void check_refusals(const Expander &expander, bool all)
{
    for (const ClipboardRefusal &refusal : clipboard_refusals()) {
        if (!all && refusal.what[1] != '1' && refusal.what[1] != '6')
            continue;
        std::string what = std::string("refusal ") + refusal.what;
        bool put = refusal.empty ? put_clipboard(NULL, 0) : put_clipboard(refusal.text);
        check(put && set_complex(expander, refusal.complex_mode), label(what + ": clipboard and mode set"));
        press_bar(expander, ID_EXPAND);
        expect_box(expander, what, tr(refusal.message_en, refusal.message_ja), tr("Error", "エラー"));
        check(idle_without_dialog(expander), label(what + ": no save dialog follows"));
    }
}

static void check_startup(const Expander &expander)
{
    check(expander.window != NULL, label("main window found by its title"));
    if (!expander.window)
        return;
    check(window_class(expander.window) == "EXPAND_EQ_00", label("window class"), window_class(expander.window));
    check(expander.bar != NULL, label("icon bar of class IconBarWindow"));
    int border = GetSystemMetrics(SM_CYBORDER);
    RECT bar_rect = {0, 0, 0, 0};
    GetWindowRect(expander.bar, &bar_rect);
    MapWindowPoints(NULL, expander.window, (POINT *)&bar_rect, 2);
    check(bar_rect.left == 15 && bar_rect.top == 0 && bar_rect.right - bar_rect.left == 160 &&
              bar_rect.bottom - bar_rect.top == border + 20,
          label("icon bar placed at (15, 0), 160 wide"),
          std::to_string(bar_rect.left) + "," + std::to_string(bar_rect.top) + " " +
              std::to_string(bar_rect.right - bar_rect.left) + "x" + std::to_string(bar_rect.bottom - bar_rect.top));
    bool buttons = true;
    for (int i = 0; i < 4; i++) {
        HWND button = GetDlgItem(expander.bar, ID_EXPAND + i);
        RECT r = {0, 0, 0, 0};
        GetWindowRect(button, &r);
        MapWindowPoints(NULL, expander.bar, (POINT *)&r, 2);
        buttons = buttons && button && r.left == 32 * i && r.top == border && r.right - r.left == 32 &&
                  r.bottom - r.top == 20 && (GetWindowLongA(button, GWL_STYLE) & 0x0F) == BS_OWNERDRAW;
    }
    check(buttons, label("four owner-drawn buttons 32 x 20 on the bar"));
    HWND box = GetDlgItem(expander.window, ID_COMPLEX);
    RECT r = {0, 0, 0, 0};
    GetWindowRect(box, &r);
    MapWindowPoints(NULL, expander.window, (POINT *)&r, 2);
    check(box && r.left == 185 && r.top == 4 && r.right - r.left == 14 && is_complex(expander) == 0,
          label("check box 110 at (185, 4), clear"));
}

static void check_cancel_and_save_road(const Expander &expander)
{
    put_clipboard("1\r\n2\r\n");
    set_complex(expander, 0);
    press_bar(expander, ID_EXPAND);
    HWND dialog = wait_owned(expander.window, is_save_dialog);
    check(dialog != NULL, label("cancel: save dialog opens"));
    if (dialog) {
        press(dialog, IDCANCEL);
        check(wait_until([&] { return !IsWindow(dialog); }) && idle_without_dialog(expander),
              label("cancel: no message"));
    }
    std::string refused = work_file("ruslam00_refused.txt");
    DeleteFileA(refused.c_str());
    press_bar(expander, ID_EXPAND);
    dialog = wait_owned(expander.window, is_save_dialog);
    if (dialog) {
        SendMessageA(GetDlgItem(dialog, 0x47c), WM_SETTEXT, 0, (LPARAM)refused.c_str());
        press(dialog, IDOK);
        expect_box(expander, ".txt name",
                   tr("Assign a file with XLS extension.", "ファイルは拡張子 XLS を持つ必要があります."),
                   tr("Error", "エラー"));
        check(!file_exists(refused), label(".txt name: no file"));
    }
    press_bar(expander, ID_EXPAND);
    dialog = wait_owned(expander.window, is_save_dialog);
    if (dialog) {
        SendMessageA(GetDlgItem(dialog, 0x47c), WM_SETTEXT, 0, (LPARAM)(settings.cdrom + "refused.xls").c_str());
        press(dialog, IDOK);
        expect_box(expander, "CD-ROM drive",
                   tr("Unable to save the solution to the remote disk.", "リモート・ディスクへは解をセーブできません."),
                   tr("Warning", "警告"));
    }
}

static HWND open_about(const Expander &expander)
{
    press_bar(expander, ID_ABOUT);
    return wait_for_window([&] {
        return find_owned_dialog(expander.window, [](HWND d) { return window_text(d) == tr("About", "御案内"); });
    });
}

static void check_about(const Expander &expander)
{
    HWND about = open_about(expander);
    check(about != NULL, label("About opens"));
    if (!about)
        return;
    check(control_text(GetDlgItem(about, 1)) == "OK" && GetDlgItem(about, 2) == NULL, label("About: OK only"));
    // Esc reaches the dialog as command 2, which it does not act on
    PostMessageA(GetDlgItem(about, 1), WM_KEYDOWN, VK_ESCAPE, 0);
    check(settle(expander.window) && IsWindow(about), label("About: Esc leaves it open"));
    press(about, 1);
    check(wait_until([&] { return !IsWindow(about); }), label("About: OK closes it"));
    about = open_about(expander);
    if (about) {
        PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
        check(wait_until([&] { return !IsWindow(about); }) && idle_without_dialog(expander),
              label("About: the close box closes it"));
    }
}

// The .pdf association of the test prefix, set for one check and put back after it.
struct PdfAssociation {
    char saved[256] = "";
    LONG saved_length = sizeof saved;
    bool had = false;
    PdfAssociation() { had = RegQueryValueA(HKEY_CLASSES_ROOT, ".pdf", saved, &saved_length) == ERROR_SUCCESS; }
    ~PdfAssociation()
    {
        if (had)
            RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, saved, (DWORD)strlen(saved));
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "Ruslam00Test.Viewer\\shell\\open\\command");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "Ruslam00Test.Viewer\\shell\\open");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "Ruslam00Test.Viewer\\shell");
        RegDeleteKeyA(HKEY_CLASSES_ROOT, "Ruslam00Test.Viewer");
    }
    void remove() { RegDeleteKeyA(HKEY_CLASSES_ROOT, ".pdf"); }
    void use(const std::string &viewer)
    {
        RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, "Ruslam00Test.Viewer", 19);
        std::string command = "\"" + viewer + "\" \"%1\"";
        RegSetValueA(HKEY_CLASSES_ROOT, "Ruslam00Test.Viewer\\shell\\open\\command", REG_SZ, command.c_str(),
                     (DWORD)command.size());
    }
};

static std::string driver_folder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

static void check_help()
{
    const char *manual = tr("RUSLAM00.PDF", "RUSLAM0J.PDF");
    {
        // a copy of the program in a folder without the manual
        std::string folder = work_file("ruslam00_no_manual");
        CreateDirectoryA(folder.c_str(), NULL);
        std::string copy = folder + "\\RUSLAM00.EXE";
        CopyFileA(exe_path().c_str(), copy.c_str(), FALSE);
        Expander expander(copy);
        press_bar(expander, ID_HELP);
        expect_box(expander, "Help without the manual",
                   tr("Install the readme file (RUSLAM00.PDF)\nin the same directory.",
                      "説明書ファイル（RUSLAM0J.PDF）を同じ\nフォルダーに入れてください."),
                   tr("Error", "エラー"));
    }
    PdfAssociation association;
    {
        association.remove();
        Expander expander;
        press_bar(expander, ID_HELP);
        expect_box(expander, "Help without a PDF viewer",
                   tr("Unable to open the readme file (RUSLAM00.PDF)\nbecause of being NO software to read PDF documents.",
                      "PDF 文書の閲覧ソフトが無いので、\n説明書（RUSLAM0J.PDF）を開けません."),
                   tr("Error", "エラー"));
    }
    {
        std::string record = driver_folder() + "\\pdf_viewer_command.txt";
        DeleteFileA(record.c_str());
        association.use(driver_folder() + "\\pdf_viewer_stub.exe");
        Expander expander;
        press_bar(expander, ID_HELP);
        std::string command;
        check(wait_until([&] { return read_file(record, command) && !command.empty(); }),
              label("Help: the registered viewer starts"));
        std::string expected = settings.bin + "\\" + manual;
        check(command.find(quoted(expected)) != std::string::npos, label("Help: the viewer gets the manual's path"),
              command);
        check(idle_without_dialog(expander), label("Help: no message"));
    }
}

// The pixels of a rectangle of the screen, row by row.
static std::vector<COLORREF> screen_pixels(const RECT &r)
{
    int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info;
    ZeroMemory(&info, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = NULL;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels((const DWORD *)bits, (const DWORD *)bits + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    for (COLORREF &p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

static COLORREF pixel_at(const std::vector<COLORREF> &pixels, const RECT &r, int x, int y)
{
    return pixels[(size_t)(y - r.top) * (r.right - r.left) + (x - r.left)];
}

// Moves the pointer to a point of the main window's client area.
static void point_at(const Expander &expander, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(expander.window, &p);
    SetCursorPos(p.x, p.y);
}

static void check_hover_labels(const Expander &expander)
{
    RECT window;
    GetWindowRect(expander.window, &window);
    SetForegroundWindow(expander.window);
    point_at(expander, 200, 100);  // over the formula, away from the bar
    settle(expander.window);
    // the area of the labels: the client area's top part, below the bar
    RECT area = {window.left, window.top, window.right, window.top + 100};
    std::vector<COLORREF> before;
    wait_until([&] {  // the window's drawing has reached the screen when two reads agree
        std::vector<COLORREF> now = screen_pixels(area);
        bool same = now == before;
        before = now;
        return same;
    });
    // Wine reports a Windows after 2000 (kind 5): the buttons of the cream "X" set
    POINT face = {15 + 3, GetSystemMetrics(SM_CYBORDER) + 3};
    ClientToScreen(expander.window, &face);
    RECT face_pixel = {face.x, face.y, face.x + 1, face.y + 1};
    check(screen_pixels(face_pixel)[0] == 0xECE9D8, label("the buttons of the cream set"),
          std::to_string(screen_pixels(face_pixel)[0]));
    // the check box's caption is painted beside it: dark text on the button face
    POINT caption = {204, 2};
    ClientToScreen(expander.window, &caption);
    RECT caption_area = {caption.x, caption.y, caption.x + 90, caption.y + 16};
    std::vector<COLORREF> caption_pixels = screen_pixels(caption_area);
    size_t dark = 0;
    for (COLORREF p : caption_pixels)
        dark += p == 0;
    check(dark > 40, label("the check box's caption is painted"), std::to_string(dark));
    int top = window.top + GetSystemMetrics(SM_CYBORDER) + GetSystemMetrics(SM_CYCAPTION) + 32;
    const int label_x[4] = {17, 49, 81, 113};
    const char *names[4] = {"Expand", "About", "Help", "Exit"};
    for (int i = 0; i < 4; i++) {
        int left = window.left + GetSystemMetrics(SM_CXBORDER) + label_x[i];
        point_at(expander, 15 + 32 * i + 16, 10);  // the middle of button i
        bool shown = wait_until([&] {
            std::vector<COLORREF> now = screen_pixels(area);
            return pixel_at(now, area, left, top) == 0 && pixel_at(now, area, left + 3, top + 1) == 0xFFFFFF;
        }, 5000);
        check(shown, label(std::string("hover: the ") + names[i] + " label shows, framed in black on white"));
        // one label at a time: what differs from the picture without labels
        // begins at this label's corner (the labels to its left are gone)
        std::vector<COLORREF> now;
        int first_x = area.right, first_y = area.bottom;
        wait_until([&] {
            now = screen_pixels(area);
            first_x = area.right, first_y = area.bottom;
            for (int y = area.top; y < area.bottom; y++)
                for (int x = area.left; x < area.right; x++)
                    if (pixel_at(now, area, x, y) != pixel_at(before, area, x, y)) {
                        first_x = x < first_x ? x : first_x;
                        first_y = y < first_y ? y : first_y;
                    }
            return first_x == left && first_y == top;
        }, 3000);
        std::string detail = std::to_string(first_x - left) + "," + std::to_string(first_y - top);
        if (first_x != left) {
            int count = 0;
            for (int y = area.top; y < area.bottom; y++)
                for (int x = area.left; x < left; x++)
                    if (pixel_at(now, area, x, y) != pixel_at(before, area, x, y)) {
                        if (count < 6)
                            detail += " (" + std::to_string(x - left) + "," + std::to_string(y - top) + " " +
                                      std::to_string(pixel_at(before, area, x, y)) + "->" +
                                      std::to_string(pixel_at(now, area, x, y)) + ")";
                        count++;
                    }
            detail += " n=" + std::to_string(count);
        }
        check(first_x == left && first_y == top, label(std::string("hover: over ") + names[i] + ", one label at a time"),
              detail);
    }
    point_at(expander, 200, 100);
    bool restored = wait_until([&] { return screen_pixels(area) == before; }, 5000);
    check(restored, label("hover: moving away restores every pixel under the labels"));
    // a disabled main window (a modal dialog open) shows no label
    HWND about = open_about(expander);
    if (about) {
        MoveWindow(about, 0, 400, 300, 200, TRUE);  // out of the way of the labels
        point_at(expander, 31, 10);
        Sleep(300);
        std::vector<COLORREF> now = screen_pixels(area);
        int left = window.left + GetSystemMetrics(SM_CXBORDER) + label_x[0];
        check(!(pixel_at(now, area, left, top) == 0 && pixel_at(now, area, left + 3, top + 1) == 0xFFFFFF),
              label("hover: no label while a dialog is open"));
        press(about, 1);
        wait_until([&] { return !IsWindow(about); });
        point_at(expander, 200, 100);
    }
}

static void check_exit()
{
    {
        Expander expander;
        press_bar(expander, ID_EXIT);
        DWORD code = 99;
        check(wait_exit(expander.running, &code) && code == 0, label("Exit ends with code 0"), std::to_string(code));
    }
    {
        Expander expander;
        PostMessageA(expander.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        DWORD code = 99;
        check(wait_exit(expander.running, &code) && code == 0, label("close box ends with code 0"),
              std::to_string(code));
    }
    {
        Expander first;
        Running second;
        check(start_process(exe_path(), second), label("second instance starts"));
        DWORD code = 99;
        check(wait_exit(second, &code) && code == 0 && IsWindow(first.window),
              label("second instance exits with 0, the first stays"), std::to_string(code));
        end_process(second);
    }
}

void run_ruslam00_scenarios(const std::string &cases_path)
{
    // the references lie in tests\data\ruslam00, beside tests\e2e\cases.txt's folder
    std::string e2e = cases_path.substr(0, cases_path.find_last_of('\\'));
    data_folder = e2e.substr(0, e2e.find_last_of('\\')) + "\\data\\ruslam00";
    clipboard_owner = CreateWindowA("STATIC", "clipboard owner", 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL);

    // one program at a time: a second one would close itself at once
    if (settings.japanese) {
        {
            Expander expander;
            check(expander.window != NULL, label("main window found by its Japanese title"));
            check_reference_file(expander, "japanese_complex", 1);
            check_refusals(expander, false);
            HWND about = open_about(expander);
            check(about != NULL, label("About opens"));
            if (about)
                press(about, 1);
        }
        check_help();
    } else {
        {
            Expander expander;
            check_startup(expander);
            check_reference_file(expander, "real_one", 0);
            check_reference_file(expander, "real_two", 0);
            check_reference_file(expander, "fraction", 0);
            check_reference_file(expander, "complex_conjugate", 1);
            check_reference_file(expander, "complex_mixed", 1);
            check_reference_file(expander, "hundred", 0);
            check_refusals(expander, true);
            check_cancel_and_save_road(expander);
            check_about(expander);
            check_hover_labels(expander);
        }
        check_help();
        check_exit();
    }
    DestroyWindow(clipboard_owner);
}
