// The application shell: the window frame, the calculation driver, the
// drawing helpers, the owner-drawn lists and the About dialog that every
// program of the suite links. A program supplies its ProgramInfo and hooks.
#pragma once

#include <windows.h>

#include <cstdio>

#include "calc_state.h"

#define WM_OPEN_README (WM_USER + 1)  // posted by the About dialog's ReadMe button

enum OsKind { OS_WIN95 = 0, OS_WIN98 = 1, OS_WINME = 2, OS_NT4 = 3, OS_WIN2000 = 4, OS_NT_LATER = 5 };

// Control ids of the standard main window.
enum {
    ID_COMBO_DEGREE = 101,
    ID_BTN_ABOUT = 102,
    ID_BTN_EXIT = 103,
    ID_BTN_CALC = 104,
    ID_CHK_OUTPUT_ALL = 105,
    ID_CHK_NORMALIZE = 106
};

// One child control of the main window, created in table order.
struct ControlSpec {
    int id;
    const char *class_name;
    DWORD style;
    int x, y, width, height;
    const char *text_en;  // set after the button font; NULL for none
    const char *text_ja;
    HWND *handle;         // the global that keeps the control
};

// One entry of the main window's command table: the control id (the low
// word of WM_COMMAND's wParam) and what it runs.
struct CommandSpec {
    int id;
    void (*handler)(HWND window);
};

// What a program tells the shell about itself, written with the field names
// (".title_en = ..."). The second list and the hooks after it are NULL unless
// the program names them: it leaves out what it has nothing of its own for.
struct ProgramInfo {
    const char *class_name;     // window class
    const char *initial_title;  // title until create_controls sets the one of the language
    const char *title_en;
    const char *title_ja;
    int width;                  // outer window width
    int height_addend;          // outer height = caption height + this
    const char *exe_name;       // own file name in upper case, searched for the readme
    const char *readme_name;    // readme file name, named in the readme messages
    const ControlSpec *controls;
    int control_count;
    const CommandSpec *commands;
    int command_count;
    int list_first, list_last;  // the degree list's items, list id 101
    int second_list_id = 0;     // the id of a second owner-drawn list, 0 for none
    HWND *second_list = NULL;
    void (*finish_controls)(HWND window) = NULL;  // after the degree list and check boxes are set
    void (*paint_extras)(HDC dc) = NULL;          // after the formula and labels on every paint
    // messages of the program's own; returns 1 when handled, with the result in *result
    int (*on_message)(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT *result) = NULL;
    void (*release_extras)() = NULL;              // before the shell's own release
};

extern const ProgramInfo program_info;  // defined by each program

// Hooks of each program.
void draw_formula(HDC dc);
void draw_labels(HDC dc);

// Process-wide state of the window frame.
extern HINSTANCE instance;       // module instance
extern HWND main_window;         // the main window
extern int window_x, window_y;   // top-left corner of the centred window
extern int window_width, window_height;
extern COLORREF text_color;      // button text colour: every drawing uses it
extern COLORREF back_color;      // button face colour: the window background
extern HWND combo_degree, btn_about, btn_exit, btn_calc, chk_output_all, chk_normalize;
extern HFONT ui_font;            // the button font
extern char readme_path[PATH_BUF_SIZE];  // the program's readme, empty when not found
extern int os_kind;              // an OsKind

// x87 extended precision, rounding to nearest, exceptions masked (fpu.cpp).
void set_extended_precision();

// Program start (window_start.cpp): registers the main window class (ICON_1,
// the arrow cursor, the button face as background, redrawn on size changes),
// creates the window of the given width and caption height + height_addend
// centred on the screen, with a caption, system menu and minimize box only,
// and shows it; NULL when either fails. Sets main_window and window_x ...
HWND create_main_window(const char *class_name, const char *title, int width, int height_addend, WNDPROC procedure,
                        int show);
int run_message_loop();  // until WM_QUIT; returns its wParam

// Window frame (main_window.cpp).
LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void create_controls(HWND window);
void on_paint(HWND window);
void release_resources();
void on_exit(HWND window);  // the Exit command: release_resources()
void set_button_fonts();
void toggle_output_all();
void toggle_normalize();
void on_toggle_output_all(HWND window);  // command forms of the two toggles
void on_toggle_normalize(HWND window);
int toggle_check_box(HWND box);          // flips a check box, returns its new state (check_box.cpp)
// Radio buttons that are not automatic: buttons[chosen] checked, the others
// of the count cleared (check_box.cpp).
void check_radio_button(HWND *buttons, int count, int chosen);

// Language and Windows kind (language.cpp).
void detect_language(HWND window);
void detect_os_version();

// Calculation driver of the programs with a degree list (degree_driver.cpp).
void on_calculate(HWND window);
void save_solution(HWND window);
// save_solution for the tables up to degree n instead of the selected degree
void save_solution_for_degree(HWND window, int n);
// The pieces of save_solution (calc_driver.cpp), for the programs that have a driver of their own:
// The words of the save road's dialog title and messages: most programs
// speak of the solution (solution_words), duvest95 of the result.
struct SaveWords {
    const char *dialog_title_en, *dialog_title_ja;
    const char *remote_disk_en, *remote_disk_ja;      // a remote, CD-ROM or unknown drive
    const char *cannot_create_en, *cannot_create_ja;  // the file cannot be created
    const char *write_failed_deleted_en, *write_failed_deleted_ja;  // a failed write, the file deleted
    const char *write_failed_kept_en, *write_failed_kept_ja;        // ... and it could not be deleted
};
extern const SaveWords solution_words;
// The save dialog for a file of that kind, with flags added to its own
// (OFN_OVERWRITEPROMPT for the dialog's overwrite prompt); 0 when cancelled
// or failed (reported).
int ask_save_file_name(HWND window, char *path, const ResultFileKind &kind, const SaveWords &words, DWORD flags);
// the drive, space (estimate + 1000 bytes) and extension tests for a file of that kind
int target_is_acceptable_for(HWND window, const char *path, long estimate, const ResultFileKind &kind,
                             const SaveWords &words);
FILE *create_result_file_for(HWND window, const char *path, const SaveWords &words);
// a failed write reported; the incomplete file is deleted
void report_failed_write(HWND window, const char *path, const SaveWords &words);
// The same for the program's own kind of file (its TableSpec) and solution_words:
int ask_file_name(HWND window, char *path);  // the save dialog; 0 when cancelled or failed (reported)
// the drive, space (estimate + 1000 bytes) and extension (".xls", or the ending of the
// program's file kind) tests, in this order; 0 when one failed (reported)
int target_is_acceptable(HWND window, const char *path, long estimate);
FILE *create_result_file(HWND window, const char *path);  // NULL when it cannot be created (reported)
// closes the file; a failed write is reported and the incomplete file deleted; 0 then
int close_result_file(HWND window, FILE *file, const char *path);
void report_success(HWND window, const char *path);  // the message that names the file
// the first half of a driver: ask_file_name, target_is_acceptable and
// create_result_file, then the window repainted and the wait cursor shown;
// path (PATH_BUF_SIZE bytes) receives the name; NULL when one of them refused (reported)
FILE *begin_result_file(HWND window, char *path, long estimate);
int is_unusable_drive(const char *root);
int has_enough_disk_space(const char *root, unsigned long bytes);

// Fonts and drawing helpers (drawing.cpp).
LOGFONTA *make_logfont(LOGFONTA *out, int height, int weight);
LOGFONTA *make_ui_logfont(LOGFONTA *out, int height, int weight);
void draw_small_text(HDC dc, int x, int y, const char *text);
void draw_sized_text(HDC dc, int x, int y, const char *text, int height);
void draw_sized_bold_text(HDC dc, int x, int y, const char *text, int height);
// text in Helv height/weight into the rectangle of its own extent at (x, y)
// with the DrawText flags given; returns that extent
SIZE draw_helv_text(HDC dc, int x, int y, const char *text, int height, int weight, UINT flags);
void draw_sigma(HDC dc, int x, int y);
int draw_with_superscript(HDC dc, int x, int y, const char *base, const char *sup, int height);
int draw_binomial(HDC dc, int x, int y, const char *left, const char *right, int height);
int draw_starred_symbol(HDC dc, int x, int y, const char *base, const char *star, int height);
void draw_fraction_bar(HDC dc, int x, int y, int length);
// Labels in the UI font: into a fixed box, or from x as wide as the text.
void draw_label_box(HDC dc, int height, int weight, RECT box, const char *text, UINT flags);
void draw_label(HDC dc, int height, int weight, int x, int top, int bottom, const char *text);

// Owner-drawn lists (combo_items.cpp).
void measure_combo_item(MEASUREITEMSTRUCT *measure);
void draw_combo_item(DRAWITEMSTRUCT *draw);
void fill_number_list(HWND list, int first, int last);  // items "first" to "last", the first selected

// About dialog and readme (about_dialog.cpp).
void show_about_dialog(HWND window);
INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void open_readme();
