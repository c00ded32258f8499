// The monic discrete Tchebycheff polynomials t(n,m;x), orthogonal on the
// points x = 1, 2, ..., m, for degrees 0 <= n <= 99 and m >= n + 1.
#pragma once

#include <cstdio>

extern int param_m;  // the number of points m, 1 to 100

// (n!)^3 / (2n)! as a double.
double factorial_cube_ratio(int n);

void compute_table(int m, int n);
void write_table(FILE *file, int n);
