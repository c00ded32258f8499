// The polynomials W(n-1;z) of Q(n;z) = 0.5 P(n;z) ln[(z+1)/(z-1)] - W(n-1;z),
// for list values n = 1 to 101.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern CoefficientTable legendre_coefficients;  // P(k;z) of the last build_legendre

void build_legendre(int k);
void compute_table(int n);
void write_table(FILE *file, int d);
