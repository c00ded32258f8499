// The result file of the quadrature program: title lines, one table of
// zeros, error estimates and weights per degree, and the closing lines.
#pragma once

#include <cstdio>

extern int last_table_index;  // tables_written of the file's last table: n - 2 for all degrees, else 0

// Appends the table of degree n, held in root_re, zero_errors and weights.
void write_table(FILE *file, int n);

// The tables of one calculation: degree n alone, or every degree 2..n when
// output_all_degrees is set.
// Returns n, or the code of the first degree that failed; the tables before
// it are in the file, which the caller must then discard.
int write_quadrature_tables(FILE *file, int n);

// The computation of one degree used by write_quadrature_tables:
// compute_table, or in tests a stand-in that fails at a chosen degree.
extern int (*compute_degree)(int n);

// The message for a failure code of the computation (-6 for any code
// without a message of its own).
const char *failure_text(int code);

// A failed calculation keeps nothing: closes the file, waits by pause (when
// not NULL) and deletes it. Returns 1 when the file is gone.
int discard_result_file(FILE *file, const char *path, void (*pause)());
