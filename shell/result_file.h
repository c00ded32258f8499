// The result file: TAB-separated cells, CR LF line ends, texts in the
// chosen language's code page, reals printed with C formats.
#pragma once

#include <cstdio>

enum { CELL_BUF_SIZE = 258 };  // every text item is composed in a buffer of this size

void put_text(FILE *file, const char *text);
void put_tab(FILE *file);
void put_newline(FILE *file);

// "%17.8LE" of an extended real; a zero of either sign prints without a minus sign.
void format_coefficient(char *out, long double value);

// A degree or integer parameter: "%-14f" of the value cut at the first "."
// (5 -> "5", -3 -> "-3"; a zero of either sign -> "0").
void format_degree(char *out, double value);

// A real parameter: "0" for zero; an integral value as its integer digits;
// otherwise "%-24.11f" without its trailing blanks and zeros (0.5 -> "0.5").
void format_real_parameter(char *out, double value);

// The title line, and after an empty line the normalization note when
// normalize is set; written only before the first table of a file.
void write_title_block(FILE *file, const char *title_en, const char *title_ja);

// An empty line, then "*** polynomial of degree d ***" (Japanese "*** d次の多項式 ***").
void write_degree_heading(FILE *file, int n);

// "Term" TAB "Coef." (Japanese "項" TAB "係数").
void write_column_header(FILE *file);

// One row per power i = 0..n: the label made by label_format (for example " X^%d"),
// TAB, the coefficient.
void write_coefficient_rows(FILE *file, const char *label_format, const long double *values, int n);

// One polynomial of degree n: write_degree_heading, write_column_header, then
// the rows " X^i" TAB values[i] for i = 0..n.
void write_polynomial_table(FILE *file, const long double *values, int n);
