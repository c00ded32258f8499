// What the end-to-end driver knows of each program: enough to find its
// window, its controls and its readme. A new program adds one entry in
// programs.cpp and its result-file cases in cases.txt.
#pragma once

// A typed parameter or a second list, set by name in a file case ("a=0.5").
struct ParameterControl {
    const char *name;
    int id;  // an edit box (the value is typed key by key) or a list (the item with that text is chosen)
};

struct ProgramCase {
    const char *name;      // lower case, as in the file-case table
    const char *title_en;  // the main window's titles
    const char *title_ja;
    const char *readme;    // the readme's file name
    int list_id;           // the degree list: its id, first item and number of items
    int list_first;
    int list_count;
    int about_id, exit_id, calc_id;
    int all_id;            // the all-degrees check box
    int normalize_id;      // the normalization check box, 0 for none
    const ParameterControl *parameters;  // ends with a NULL name; NULL for none
};

extern const ProgramCase programs[];
extern const int program_count;

const ProgramCase *find_program(const char *name);
// The id of the named parameter's control, 0 when the program has none.
int parameter_control(const ProgramCase &program, const char *name);
