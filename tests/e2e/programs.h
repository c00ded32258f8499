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
    int default_item = 0;                // the degree list's item selected at start
    const char *extension = ".xls";      // the ending of the result file's name
};

// A typed parameter's box, for the typing, empty and range tests.
struct EntryCase {
    const char *program;
    int id;                // the edit box
    const char *name;      // "a", as the messages name it
    int is_signed;         // the filter keeps a minus sign
    const char *outside;   // a value just outside the accepted range
    const char *range_en;  // the range message
    const char *range_ja;
};

// Choices that the Calculation command refuses with a message of its own.
struct RefusalCase {
    const char *program;
    int degree;
    const char *choices;   // "name=value ..." as in the file cases
    const char *text_en;
    const char *text_ja;
    const char *caption_en;
    const char *caption_ja;
};

// A calculation long enough to be caught with its In Process box on the
// screen (the test script holds the result file back in a named pipe).
struct BusyCase {
    const char *program;
    int degree;
    const char *choices;        // "name=value ...", all=1 for all degrees
    int box_left, box_top;      // the box's place in the client area
    const char *expected_file;  // the file-case whose bytes the pipe must carry
};

extern const BusyCase busy_cases[];
extern const int busy_case_count;
extern const EntryCase entries[];
extern const int entry_count;
extern const RefusalCase refusals[];
extern const int refusal_count;

extern const ProgramCase programs[];
extern const int program_count;

const ProgramCase *find_program(const char *name);
// The id of the named parameter's control, 0 when the program has none.
int parameter_control(const ProgramCase &program, const char *name);
