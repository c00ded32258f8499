// The generalized Laguerre polynomials L(a,n;x), degrees 0 to 100,
// -10 <= a <= 10, optionally normalized to the leading coefficient 1.
#pragma once

#include <cstdio>

void compute_table(double a, int n);
void write_table(FILE *file, int n);
