// The program entry, the main window and its message loop.
#include "shell.h"

#include <cstdio>
#include <cstring>

#include "shell_rules.h"

COLORREF text_color;
COLORREF back_color;
HWND combo_degree, btn_about, btn_exit, btn_calc, chk_output_all, chk_normalize;
HFONT ui_font;
HDC dc_about, dc_exit, dc_calc;                            // the buttons' device contexts, kept for the program's life
HGDIOBJ old_font_about, old_font_exit, old_font_calc;      // the fonts they held before ui_font
char readme_path[PATH_BUF_SIZE];

int WINAPI WinMain(HINSTANCE this_instance, HINSTANCE, LPSTR, int show)
{
    set_extended_precision();
    instance = this_instance;
    if (!create_main_window(program_info.class_name, program_info.initial_title, program_info.width,
                            program_info.height_addend, main_window_proc, show))
        return 0;
    return run_message_loop();
}

// The program's command table; ids it does not list (such as the degree
// list's own notifications) do nothing.
static void on_command(HWND window, int id)
{
    for (int i = 0; i < program_info.command_count; i++)
        if (program_info.commands[i].id == id) {
            program_info.commands[i].handler(window);
            return;
        }
}

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (program_info.on_message && program_info.on_message(window, message, wParam, lParam, &result))
        return result;
    switch (message) {
    case WM_CREATE:
        detect_language(window);
        detect_os_version();
        create_controls(window);
        return 0;
    case WM_DESTROY:
        release_resources();
        return 0;
    case WM_PAINT:
        on_paint(window);
        return 0;
    case WM_DRAWITEM:
        draw_combo_item((DRAWITEMSTRUCT *)lParam);
        return 0;
    case WM_MEASUREITEM:
        measure_combo_item((MEASUREITEMSTRUCT *)lParam);
        return 0;
    case WM_COMMAND:
        on_command(window, LOWORD(wParam));  // the notification code is not looked at
        return 0;
    case WM_OPEN_README:
        open_readme();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// An earlier instance has already retitled its window in its language.
static int earlier_instance_runs()
{
    return FindWindowExA(NULL, NULL, NULL, program_info.title_en) != NULL ||
           FindWindowExA(NULL, NULL, NULL, program_info.title_ja) != NULL;
}

// The readme lies beside the executable: search the program's own file name.
static void find_readme()
{
    char found[PATH_BUF_SIZE];
    memset(found, 0, sizeof found);
    DWORD length = SearchPathA(NULL, program_info.exe_name, NULL, 256, found, NULL);
    make_readme_path(readme_path, found, length, 256);
}

static void create_child_controls(HWND window)
{
    for (int i = 0; i < program_info.control_count; i++) {
        const ControlSpec &spec = program_info.controls[i];
        HWND control = CreateWindowExA(0, spec.class_name, "", spec.style, spec.x, spec.y, spec.width,
                                       spec.height, window, (HMENU)(INT_PTR)spec.id, instance, NULL);
        ShowWindow(control, SW_SHOW);
        if (spec.handle)
            *spec.handle = control;
    }
}

static void set_control_texts()
{
    for (int i = 0; i < program_info.control_count; i++) {
        const ControlSpec &spec = program_info.controls[i];
        if (spec.text_en && spec.handle)
            SetWindowTextA(*spec.handle, choose_text(spec.text_en, spec.text_ja));
    }
}

static void fill_degree_list()
{
    fill_number_list(combo_degree, program_info.list_first, program_info.list_last);
}

void create_controls(HWND window)
{
    if (earlier_instance_runs()) {
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    }
    text_color = GetSysColor(COLOR_BTNTEXT);
    back_color = GetSysColor(COLOR_BTNFACE);
    SetWindowTextA(window, choose_text(program_info.title_en, program_info.title_ja));
    find_readme();

    HDC dc = GetDC(window);
    draw_formula(dc);
    draw_labels(dc);
    ReleaseDC(window, dc);

    create_child_controls(window);
    set_button_fonts();
    set_control_texts();
    fill_degree_list();

    SendMessageA(chk_output_all, BM_SETCHECK, 0, 0);
    SendMessageA(chk_normalize, BM_SETCHECK, 0, 0);
    output_all_degrees = 0;
    normalize = 0;
    if (program_info.finish_controls)
        program_info.finish_controls(window);
}

void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    draw_formula(ps.hdc);
    draw_labels(ps.hdc);
    if (program_info.paint_extras)
        program_info.paint_extras(ps.hdc);
    EndPaint(window, &ps);
}

void set_button_fonts()
{
    LOGFONTA font;
    ui_font = CreateFontIndirectA(make_ui_logfont(&font, 12, 400));
    dc_about = GetDC(btn_about);
    dc_exit = GetDC(btn_exit);
    dc_calc = GetDC(btn_calc);
    old_font_about = SelectObject(dc_about, ui_font);
    old_font_exit = SelectObject(dc_exit, ui_font);
    old_font_calc = SelectObject(dc_calc, ui_font);
    SendMessageA(btn_about, WM_SETFONT, (WPARAM)ui_font, TRUE);
    SendMessageA(btn_exit, WM_SETFONT, (WPARAM)ui_font, TRUE);
    SendMessageA(btn_calc, WM_SETFONT, (WPARAM)ui_font, TRUE);
}

// Both the Exit command and WM_DESTROY: the loop ends with exit code 0.
void release_resources()
{
    if (program_info.release_extras)
        program_info.release_extras();
    if (dc_calc) {
        SelectObject(dc_calc, old_font_calc);
        ReleaseDC(btn_calc, dc_calc);
        dc_calc = NULL;
    }
    if (dc_exit) {
        SelectObject(dc_exit, old_font_exit);
        ReleaseDC(btn_exit, dc_exit);
        dc_exit = NULL;
    }
    if (dc_about) {
        SelectObject(dc_about, old_font_about);
        ReleaseDC(btn_about, dc_about);
        dc_about = NULL;
    }
    if (ui_font) {
        DeleteObject(ui_font);
        ui_font = NULL;
    }
    PostQuitMessage(0);
}

void on_exit(HWND)
{
    release_resources();
}

void toggle_output_all()
{
    output_all_degrees = toggle_check_box(chk_output_all);
}

void toggle_normalize()
{
    normalize = toggle_check_box(chk_normalize);
}

void on_toggle_output_all(HWND)
{
    toggle_output_all();
}

void on_toggle_normalize(HWND)
{
    toggle_normalize();
}
