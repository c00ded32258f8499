// The Jacobi polynomials G(a,b,n;x) = sum over m = 0..n of (-1)^m C(n,m) R(m) x^m,
// R(m) = (a+n)(a+n+1)...(a+n+m-1) / (b(b+1)...(b+m-1)), degrees 0 to 100,
// -10 <= a, b <= 10, b neither 0 nor a negative integer; optionally the
// polynomial G(a,b,n;(1-x)/2) expanded in powers of x.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern double param_a;  // a as last read from its edit box
extern double param_b;  // b as last read from its edit box
extern int expand_option;                 // 1: write G(a,b,n;(1-x)/2) instead of G(a,b,n;x)

long double jacobi_pochhammer_ratio(double a, double b, int n, int k);
void compute_table(double a, double b, int n);
void write_table(FILE *file, int n);

// The first degree of the calculation (n alone, or 0..n when all is 1) whose
// leading coefficient is exactly 0, so that it cannot be normalized; -1 when
// there is none. This happens for integral a with -(2k-1) <= a <= -k.
int first_degree_without_leading_term(double a, double b, int n, int all);
