#include "shell_rules.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "calc_state.h"

int has_extension(const char *path, const char *extension)
{
    size_t path_length = strlen(path);
    size_t extension_length = strlen(extension);
    if (path_length < extension_length)
        return 0;
    const char *tail = path + path_length - extension_length;
    for (size_t i = 0; i < extension_length; i++)
        if (tolower((unsigned char)tail[i]) != tolower((unsigned char)extension[i]))
            return 0;
    return 1;
}

int free_space_suffices(int query_ok, unsigned long long free_bytes, unsigned long long need)
{
    return query_ok && free_bytes >= need;
}

unsigned long long cluster_free_bytes(unsigned long sectors_per_cluster, unsigned long bytes_per_sector,
                                      unsigned long free_clusters)
{
    return (unsigned long long)sectors_per_cluster * bytes_per_sector * free_clusters;
}

void make_readme_path(char *out, const char *found, unsigned long found_length, unsigned long buffer_length)
{
    memset(out, 0, PATH_BUF_SIZE);
    if (found_length < 3 || found_length >= buffer_length || found_length >= PATH_BUF_SIZE)
        return;
    memcpy(out, found, found_length - 3);
    strcat(out, "TXT");
}

int build_notepad_command(char *out, size_t size, const char *windows_dir, const char *readme_path)
{
    int length = snprintf(out, size, "%s\\NOTEPAD.EXE %s", windows_dir, readme_path);
    if (length < 0 || (size_t)length >= size) {
        if (size > 0)
            out[0] = '\0';
        return 0;
    }
    return 1;
}

const ResultFileKind spreadsheet_file = {
    .filter = "Excel file (*.xls)\0*.xls\0",
    .default_extension = "xls",
    .extension = ".xls",
    .wrong_extension_en = "Assign a file with XLS extension.",
    .wrong_extension_ja = "ファイルは拡張子 XLS を持つ必要があります.",
    .success_en = "The solution has been saved in the file\n  %s.\nDouble click the file, then you can read the solution.",
    .success_ja = "解は下記のファイルに保存されました;\n  %s\nファイルをダブルクリックすると解を読めます.",
};

const ResultFileKind text_file = {
    .filter = "Text file (*.txt)\0*.txt\0",
    .default_extension = "txt",
    .extension = ".txt",
    .wrong_extension_en = "Assign a file with TXT extension.",
    .wrong_extension_ja = "ファイルは拡張子 TXT を持つ必要があります.",
    .success_en = "The solution has been saved in the file\n  %s.",
    .success_ja = "解は下記のファイルに保存されました;\n  %s.",
};

void format_success_message(char *out, size_t size, const char *path)
{
    format_success_message(out, size, path, spreadsheet_file);
}

void format_success_message(char *out, size_t size, const char *path, const ResultFileKind &kind)
{
    snprintf(out, size, choose_text(kind.success_en, kind.success_ja), path);
}
