// The pieces of the road of one calculation: the save dialog, the drive,
// space and extension tests, the result file and the closing message.
#include "shell.h"

#include <commdlg.h>
#include <cstdio>
#include <cstring>

#include "shell_rules.h"

static void show_message(HWND window, const char *text_en, const char *text_ja, const char *caption_en,
                         const char *caption_ja, UINT icon)
{
    MessageBoxA(window, choose_text(text_en, text_ja), choose_text(caption_en, caption_ja), icon);
}

const SaveWords solution_words = {
    .dialog_title_en = "Assign a file to save a solution.",
    .dialog_title_ja = "解を保存するファイル名の選択",
    .remote_disk_en = "Unable to save the solution to the remote disk.",
    .remote_disk_ja = "リモート・ディスクへは解をセーブできません.",
    .cannot_create_en = "Unable to create a file to save the solution.",
    .cannot_create_ja = "解を保存するためのファイルを作成できません.",
    .write_failed_deleted_en = "Unable to write the solution to the file.\nThe incomplete file has been deleted.",
    .write_failed_deleted_ja = "解をファイルに書き込めません.\n不完全なファイルは削除されました.",
    .write_failed_kept_en = "Unable to write the solution to the file.\nThe file is incomplete.",
    .write_failed_kept_ja = "解をファイルに書き込めません.\nファイルは不完全です.",
};

int ask_save_file_name(HWND window, char *path, const ResultFileKind &kind, const SaveWords &words, DWORD flags)
{
    memset(path, 0, PATH_BUF_SIZE);
    OPENFILENAMEA dialog;
    memset(&dialog, 0, sizeof dialog);
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = window;
    dialog.lpstrFilter = kind.filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = PATH_BUF_SIZE;
    dialog.lpstrTitle = choose_text(words.dialog_title_en, words.dialog_title_ja);
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | flags;
    dialog.lpstrDefExt = kind.default_extension;
    if (GetSaveFileNameA(&dialog))
        return 1;
    DWORD code = CommDlgExtendedError();
    if (code != 0) {
        char text[MESSAGE_BUF_SIZE];
        wsprintfA(text, choose_text("GetSaveFileName error 0x%lx", "GetSaveFileName エラー 0x%lx"), code);
        MessageBoxA(window, text, choose_text("Error", "エラー"), MB_ICONERROR);
    }
    return 0;
}

int ask_file_name(HWND window, char *path)
{
    return ask_save_file_name(window, path, *table_spec.file_kind, solution_words, OFN_OVERWRITEPROMPT);
}

int target_is_acceptable_for(HWND window, const char *path, long estimate, const ResultFileKind &kind,
                             const SaveWords &words)
{
    char root[4];
    memset(root, 0, sizeof root);
    memcpy(root, path, strnlen(path, 3));
    if (is_unusable_drive(root)) {
        show_message(window, words.remote_disk_en, words.remote_disk_ja, "Warning", "警告", MB_ICONWARNING);
        return 0;
    }
    if (!has_enough_disk_space(root, (unsigned long)estimate)) {
        show_message(window, "Not enough free diskspace.", "ディスクの空容量が不足です.", "Warning", "警告",
                     MB_ICONWARNING);
        return 0;
    }
    if (!has_extension(path, kind.extension)) {
        show_message(window, kind.wrong_extension_en, kind.wrong_extension_ja, "Error", "エラー", MB_ICONWARNING);
        return 0;
    }
    return 1;
}

int target_is_acceptable(HWND window, const char *path, long estimate)
{
    return target_is_acceptable_for(window, path, estimate, *table_spec.file_kind, solution_words);
}

void report_failed_write(HWND window, const char *path, const SaveWords &words)
{
    if (remove(path) == 0)
        show_message(window, words.write_failed_deleted_en, words.write_failed_deleted_ja, "Error", "エラー",
                     MB_ICONERROR);
    else
        show_message(window, words.write_failed_kept_en, words.write_failed_kept_ja, "Error", "エラー",
                     MB_ICONERROR);
}

FILE *create_result_file_for(HWND window, const char *path, const SaveWords &words)
{
    FILE *file = fopen(path, "wb");
    if (file == NULL)
        show_message(window, words.cannot_create_en, words.cannot_create_ja, "Error", "エラー", MB_ICONERROR);
    return file;
}

FILE *create_result_file(HWND window, const char *path)
{
    return create_result_file_for(window, path, solution_words);
}

int close_result_file(HWND window, FILE *file, const char *path)
{
    int failed = ferror(file);
    if (fclose(file) != 0)
        failed = 1;
    if (failed)
        report_failed_write(window, path, solution_words);
    return !failed;
}

void report_success(HWND window, const char *path)
{
    char text[MESSAGE_BUF_SIZE];
    format_success_message(text, sizeof text, path, *table_spec.file_kind);
    MessageBoxA(window, text, choose_text("Success", "成功"), MB_ICONINFORMATION);
}

FILE *begin_result_file(HWND window, char *path, long estimate)
{
    if (!ask_file_name(window, path))
        return NULL;
    if (!target_is_acceptable(window, path, estimate))
        return NULL;
    FILE *file = create_result_file(window, path);
    if (file == NULL)
        return NULL;
    InvalidateRect(window, NULL, TRUE);
    UpdateWindow(window);
    SetCursor(LoadCursorA(NULL, IDC_WAIT));
    return file;
}

int is_unusable_drive(const char *root)
{
    switch (GetDriveTypeA(root)) {
    case DRIVE_UNKNOWN:
    case DRIVE_NO_ROOT_DIR:  // also every UNC path: its first three characters are no root
    case DRIVE_REMOTE:
    case DRIVE_CDROM:
        return 1;
    default:
        return 0;
    }
}

// The 64-bit query is missing only on the first Windows 95 release; a
// Windows 95 system with a build number above 1000 has it.
static int use_64bit_query()
{
    if (os_kind != OS_WIN95)
        return 1;
    OSVERSIONINFOA version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && LOWORD(version.dwBuildNumber) > 1000;
}

typedef BOOL(WINAPI *FreeSpaceQuery)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

static int query_free_bytes_64(const char *root, unsigned long long *free_bytes)
{
    char library_path[PATH_BUF_SIZE];
    memset(library_path, 0, sizeof library_path);
    UINT length = GetSystemDirectoryA(library_path, 256);
    if (length == 0 || length >= 256 - 14)
        return 0;
    strcat(library_path, "\\KERNEL32.DLL");
    HMODULE kernel = LoadLibraryA(library_path);
    if (kernel == NULL)
        return 0;
    FreeSpaceQuery query = (FreeSpaceQuery)(void *)GetProcAddress(kernel, "GetDiskFreeSpaceExA");
    ULARGE_INTEGER caller_free, total, total_free;
    int ok = query != NULL && query(root, &caller_free, &total, &total_free);
    FreeLibrary(kernel);
    if (ok)
        *free_bytes = caller_free.QuadPart;
    return ok;
}

static int query_free_bytes_32(const char *root, unsigned long long *free_bytes)
{
    DWORD sectors_per_cluster, bytes_per_sector, free_clusters, total_clusters;
    if (!GetDiskFreeSpaceA(root, &sectors_per_cluster, &bytes_per_sector, &free_clusters, &total_clusters))
        return 0;
    *free_bytes = cluster_free_bytes(sectors_per_cluster, bytes_per_sector, free_clusters);
    return 1;
}

int has_enough_disk_space(const char *root, unsigned long bytes)
{
    unsigned long long need = (unsigned long long)bytes + 1000;
    unsigned long long free_bytes = 0;
    int ok = use_64bit_query() ? query_free_bytes_64(root, &free_bytes) : query_free_bytes_32(root, &free_bytes);
    return free_space_suffices(ok, free_bytes, need);
}
