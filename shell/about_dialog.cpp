// The About dialog and the readme opened in Notepad.
#include "shell.h"

#include <cstdio>
#include <cstring>

#include "shell_rules.h"

void show_about_dialog(HWND window)
{
    const char *name = is_japanese ? "ABOUT_DLG_J" : "ABOUT_DLG";
    if (DialogBoxParamA(instance, name, window, about_dialog_proc, 0) == -1)
        MessageBoxA(NULL, choose_text("Unable to open a dialog box.", "ダイヤログを表示できません."),
                    choose_text("System Error", "システム・エラー"), MB_SYSTEMMODAL | MB_ICONERROR);
}

// Esc reaches the dialog as command 2 and so acts as ReadMe.
INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == 1) {
            EndDialog(dialog, 1);
        } else if (LOWORD(wParam) == 2) {
            // posted: Notepad starts from the main loop once the dialog is closed
            PostMessageA(GetParent(dialog), WM_OPEN_README, 0, 0);
            EndDialog(dialog, 2);
        }
        return TRUE;
    }
    return FALSE;
}

static void report_readme_error(const char *format_en, const char *format_ja)
{
    char text[MESSAGE_BUF_SIZE];
    snprintf(text, sizeof text, choose_text(format_en, format_ja), program_info.readme_name);
    MessageBoxA(NULL, text, choose_text("Error", "エラー"), MB_ICONERROR);
}

void open_readme()
{
    WIN32_FIND_DATAA found;
    HANDLE search = readme_path[0] ? FindFirstFileA(readme_path, &found) : INVALID_HANDLE_VALUE;
    if (search == INVALID_HANDLE_VALUE) {
        report_readme_error("Install the readme file (%s)\nin the same directory.",
                            "説明ファイル(%s)を、本フォルダに\nインストールしてください.");
        return;
    }
    FindClose(search);

    char windows_dir[PATH_BUF_SIZE];
    memset(windows_dir, 0, sizeof windows_dir);
    UINT length = GetWindowsDirectoryA(windows_dir, 256);
    char command[PATH_BUF_SIZE];
    memset(command, 0, sizeof command);
    int built = length > 0 && length < 256 &&
                build_notepad_command(command, sizeof command, windows_dir, readme_path);
    if (!built || (WORD)WinExec(command, SW_SHOWNORMAL) <= 32)
        report_readme_error("Unable to open the readme file (%s) by Notepad.",
                            "説明ファイル(%s)をメモ帳で開けません.");
}
