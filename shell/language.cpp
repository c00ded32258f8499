// The language and the kind of Windows, decided once at window creation.
#include "shell.h"

#include <cstring>

int os_kind;

// Japanese exactly when the ANSI code page is 932, whatever the screen's
// font-language answer says.
void detect_language(HWND window)
{
    HDC dc = GetDC(window);
    GetFontLanguageInfo(dc);
    ReleaseDC(window, dc);
    is_japanese = GetACP() == 932 ? 1 : 0;
}

// Reads a string value of a key under HKEY_LOCAL_MACHINE into value
// (PATH_BUF_SIZE bytes, zeroed first). Returns -1 when the key does not
// open, 0 when the value cannot be read, 1 when it was read.
static int read_machine_value(const char *key_name, const char *value_name, char *value)
{
    memset(value, 0, PATH_BUF_SIZE);
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return -1;
    DWORD size = 256;
    LONG result = RegQueryValueExA(key, value_name, NULL, NULL, (BYTE *)value, &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? 1 : 0;
}

void detect_os_version()
{
    char value[PATH_BUF_SIZE];
    if (read_machine_value("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion", value) == 1) {
        if (strstr(value, "4.0"))
            os_kind = OS_NT4;
        else if (strstr(value, "5.0"))
            os_kind = OS_WIN2000;
        else
            os_kind = OS_NT_LATER;
        return;
    }
    if (read_machine_value("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProductName", value) == -1)
        return;
    if (strstr(value, "Windows ME"))
        os_kind = OS_WINME;
    else if (strstr(value, "Windows 98"))
        os_kind = OS_WIN98;
    else
        os_kind = OS_WIN95;
}
