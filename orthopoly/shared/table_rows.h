// Row layouts of the result file beyond the one-column rows of the shell:
// two coefficient columns side by side, and rows labelled with negated powers.
#pragma once

#include <cstdio>

// The column header of the two-column rows: "Term" TAB first TAB second CR LF,
// each text in the language of the file.
void write_two_column_header(FILE *file, const char *first_en, const char *first_ja, const char *second_en,
                             const char *second_ja);

// One row per power i = 0..n: the label made by label_format (" X^%d"), TAB,
// the first table's coefficient, TAB, the second table's one.
void write_two_column_rows(FILE *file, const char *label_format, const long double *first,
                           const long double *second, int n);

// One row per i = 0..n for a polynomial in 1/t: the label made by label_format
// from -i (" t^%d" gives t^0, t^-1, ...), TAB, the coefficient of t^-i.
void write_negative_power_rows(FILE *file, const char *label_format, const long double *values, int n);
