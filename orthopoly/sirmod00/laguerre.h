// The generalized Laguerre polynomials L(a,n;x), degrees 0 to 100,
// -10 <= a <= 10, optionally normalized to the leading coefficient 1.
#pragma once

#include <cstdio>

// C(x, k) = x (x - 1) ... (x - k + 1) / k! for a real x and k >= 0.
double binomial_real(double x, int k);
// The same as the exponential of a sum of logarithms, with the sign kept apart.
double binomial_real_by_logs(double x, int k);

void compute_table(double a, int n);
void write_table(FILE *file, int n);
