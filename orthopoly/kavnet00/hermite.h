// The Hermite polynomials with a real parameter a, H(a,n;x), degrees 0 to 100,
// -10 <= a <= 10.
#pragma once

#include <cstdio>

void compute_table(double a, int n);
void write_table(FILE *file, int n);
