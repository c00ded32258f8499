// Runs a writer against a temporary file and returns the bytes it wrote.
#pragma once

#include <cstdio>
#include <string>

template <typename Writer>
std::string capture_file(Writer write)
{
    FILE *file = tmpfile();
    write(file);
    fflush(file);
    std::string bytes;
    rewind(file);
    int c;
    while ((c = fgetc(file)) != EOF)
        bytes.push_back((char)c);
    fclose(file);
    return bytes;
}
