// Stands in for a PDF viewer in the end-to-end tests: writes its command
// line into pdf_viewer_command.txt beside itself and ends.
#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, sizeof path);
    std::string record = path;
    record = record.substr(0, record.find_last_of('\\')) + "\\pdf_viewer_command.txt";
    FILE *file = fopen(record.c_str(), "wb");
    if (!file)
        return 1;
    fputs(GetCommandLineA(), file);
    fclose(file);
    return 0;
}
