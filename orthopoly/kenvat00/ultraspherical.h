// The ultraspherical polynomials P(n,m;x), the m-th derivative of the
// Legendre polynomial P(n;x), for 1 <= m <= n <= 101.
#pragma once

#include <cstdio>

extern int order_m;  // the order m of the derivative, 1 to 101

// ln (2k - 1)!! = ln 1 + ln 3 + ... + ln(2k - 1), a double sum; 0 for k = 0.
double log_double_factorial(int k);

void compute_table(int n, int m);
void write_table(FILE *file, int k);
