// The two files of the q-binomial program and the reading of q. Nothing here
// calls Windows.
//   Save:       a ".txt" file of five lines: title, q, n, m and the value.
//   Tabulation: a ".xls" file with a title block and one row per m = 0..n.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern double q_value;  // q as last read by Calculation or Tabulation
extern int n_value;     // n = selection of the n list + 1 (1 ... 200)
extern int m_value;     // m = selection of the m list (0 ... 200); read by Calculation only

// What the q text says: nothing, a value outside 0 <= q <= 10 (or no plain
// decimal number at all: an infinity, a NaN, a hexadecimal form, an
// exponent), or an accepted q.
enum QReading { Q_EMPTY, Q_REFUSED, Q_ACCEPTED };

// Reads the q text into *q (atof) when it is a plain decimal number and
// tells whether it is accepted; q = 0 and q = 10 are.
QReading read_q_text(const char *text, double *q);

// The ".txt" file of one value: the title, "   q = ", "   n = ", "   m = "
// and "   nC[q]m = " + result_text, every line ended CR LF.
void write_text_result(FILE *file);

// Row m of the tabulation: m TAB result_text; before the first row
// (tables_written = 0) the title block with q and n and the column header.
void write_table(FILE *file, int m);

// The whole tabulation of nC[q]m, m = 0..n, for q_value: every row computed
// from nothing in tabulation mode and written; tables_written counts the rows
// and is 0 again afterwards, as tabulation_mode.
void write_tabulation(FILE *file, int n);

// Bytes the tabulation file may need: 50 a row plus 100.
long tabulation_size_estimate(int n, int all);

// Closes a file written to the end; 0 when a write or the close failed, so
// that the file is incomplete.
int close_written_file(FILE *file);
