// The Gould polynomials G(a,b,n;x) = x (x - na - b)(x - na - 2b) ... (x - na - (n-1)b),
// degrees 0 to 100, with real parameters -10 <= a, b <= 10.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern double param_a;  // a as last read from its edit box
extern double param_b;  // b as last read from its edit box
extern long double gould_factors[TABLE_SLOTS];  // the constants of the linear factors, in the order multiplied in
extern CoefficientTable gould_work;             // the product after one more factor

void compute_table(double a, double b, int n);
void write_table(FILE *file, int n);
