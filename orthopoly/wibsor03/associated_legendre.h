// The polynomial part p(m,n;x) of the associated Legendre function
// P(m,n;x) = (1-x*x)^(m/2) p(m,n;x), order m and degree n from 0 to 100.
#pragma once

#include <cstdio>

extern int order_m;  // the selected order m

double log_associated_term(int m, int n, int k);
void compute_table(int m, int n);
void write_table(FILE *file, int m, int n, int d);

// The table of the pair (m, n) with rows for powers 0..d, written as the next table of the file.
void tabulate_pair(FILE *file, int m, int n, int d);

// Rows of the pair (m, n): max(n - m, 0) + 1 (one row of 0 when m > n).
int pair_rows(int m, int n);

// Bytes the file may need: 100 a row plus 1000. One pair has pair_rows(m, n)
// rows; all pairs m' <= n' <= n have (n+1)(n+2)(n+3)/6 rows together.
long pair_size_estimate(int m, int n, int all);
