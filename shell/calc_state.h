// Calculation state shared by the shell and every program's tables.
// Nothing here calls Windows: the table code built on it also compiles natively.
#pragma once

#include <cstdio>

enum {
    TABLE_SLOTS = 103,      // degrees 0 to 100 and two spare slots
    PATH_BUF_SIZE = 258,    // file names and the readme path
    MESSAGE_BUF_SIZE = 512  // message box texts
};

// One polynomial in 80-bit extended reals, indexed by the power of the variable.
typedef long double CoefficientTable[TABLE_SLOTS];

extern int is_japanese;          // 1 when every text is Japanese (code page 932)
extern int degree;               // the selected degree n
extern int output_all_degrees;   // the all-degrees check box
extern int normalize;            // the coefficient-normalization check box
extern int tables_written;       // tables in the current result file; the title block goes before the first
extern CoefficientTable coefficients;  // the polynomial of the last compute_table

// The kind of file a program writes: what the save dialog offers, the
// ending the chosen name must have, and the texts that go with it.
struct ResultFileKind {
    const char *filter;             // the save dialog's filter, double-zero ended
    const char *default_extension;  // added by the dialog to a name typed without one
    const char *extension;          // the name must end so, in any case
    const char *wrong_extension_en; // the message when it does not
    const char *wrong_extension_ja;
    const char *success_en;         // the success message, %s standing for the path
    const char *success_ja;
};

extern const ResultFileKind spreadsheet_file;  // ".xls", which most programs write
extern const ResultFileKind text_file;         // ".txt"

// What a program tells the calculation driver about its tables.
struct TableSpec {
    int first_degree;                        // first degree of the all-degrees loop
    void (*tabulate)(FILE *file, int n);     // compute the table of degree n and append it to the file
    long (*estimate_bytes)(int n, int all);  // bytes the file may need (the space test adds 1000 more)
    const ResultFileKind *file_kind = &spreadsheet_file;
    // When not 0, all-degrees mode runs from first_degree to this one
    // whatever the selection (a program whose file holds its whole range).
    int all_degrees_last = 0;
};

extern const TableSpec table_spec;  // defined by each program

// The English or the Japanese twin of a text, by is_japanese.
const char *choose_text(const char *english, const char *japanese);

// 100 bytes a row: (n + 1) rows for one table, (n + 1)(n + 2) / 2 for all degrees, plus 1000.
long standard_size_estimate(int n, int all);

// The tables of one calculation: degree n alone, or every degree from the
// program's first one up to n; tables_written counts them in all-degrees mode.
void write_tables(FILE *file, int n, int all);
