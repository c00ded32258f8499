// The Lommel polynomials R(a,n;z), polynomials in 1/z, degrees 0 to 100,
// -10 <= a <= 10; coefficients[k] holds the coefficient of z^-k.
#pragma once

#include <cstdio>

extern int lommel_factor_sign;  // sign of the last factor product: +1, -1, or 100 when a factor is 0

// ln|(a + s)(a + s + 1) ... (a + n - s - 1)| (n - 2s factors; 0 for none),
// with its sign in lommel_factor_sign.
double log_lommel_factors(double a, int n, int s);

void compute_table(double a, int n);
void write_table(FILE *file, int n);
