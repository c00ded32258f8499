// The polynomials s(z) and c(z) of a spherical Bessel function of order n,
// j(n;z) or n(n;z) = [s(z) sin(z) + c(z) cos(z)] / z^(n+1), n from 0 to 100.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern CoefficientTable c_coefficients;  // c(z); s(z) is in coefficients
extern int neumann_function_mode;        // 0: j(n;z), 1: n(n;z) (the second check box)

double log_even_term(int n, int k);
double log_odd_term(int n, int k);
void compute_table(int n);
void write_table(FILE *file, int n);
