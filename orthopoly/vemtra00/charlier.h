// The Charlier polynomials C(a,n;x), degrees 0 to 100, -10 <= a <= 10.
#pragma once

#include <cstdio>

// b^k for k >= 0, in extended precision; 0^0 = 1.
long double integer_power(long double b, int k);

void compute_table(double a, int n);
void write_table(FILE *file, int n);
