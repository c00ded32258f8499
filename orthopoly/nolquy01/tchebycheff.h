// The Tchebycheff polynomials T(n;x) and U~(n;x) = U(n;x)/sqrt(1-x*x) = T'(n;x)/n,
// side by side for degrees 0 to 100.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern CoefficientTable u_coefficients;  // U~(n;x) of the last compute_table

double power_of_two(int k);
void compute_table(int n);
void write_table(FILE *file, int n);
