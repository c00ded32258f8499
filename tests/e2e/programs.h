// What the end-to-end driver knows of each program: enough to find its
// window, its list and its readme. A new program adds one line in programs.cpp.
#pragma once

struct ProgramCase {
    const char *name;      // lower case, as in the file-case table
    const char *title_en;  // the main window's titles
    const char *title_ja;
    const char *readme;    // the readme's file name
    int list_first;        // the degree list: first item and number of items
    int list_count;
    int has_normalize;     // the normalization check box 106
};

extern const ProgramCase programs[];
extern const int program_count;

const ProgramCase *find_program(const char *name);
