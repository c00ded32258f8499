// The GF(2) table program: one polynomial a line, as text, into a ".txt" file.
#pragma once

#include <cstdio>

enum { GF2_LINE_SIZE = 258 };  // the output line buffer

// The line of degree n (1..1000) into line (GF2_LINE_SIZE bytes):
// "X^1 + 1" for n = 1, otherwise "X^n" + " + X^k" for each middle exponent
// of the table entry + " + 1" (X^8 + X^4 + X^3 + X^1 + 1).
void format_gf2_line(char *line, int n);

// Builds the line of degree n and writes it with write_table.
void compute_table(FILE *file, int n);

// Before the first line of a file the title and an empty line (in
// single-degree mode the title names the degree); then the line.
void write_table(FILE *file, const char *degree_text, const char *line);
