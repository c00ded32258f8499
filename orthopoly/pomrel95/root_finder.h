// A polynomial root finder in complex extended-precision arithmetic (Newton
// steps with deflation), and the road that turns the family polynomial of
// the chosen kind into its sorted real zeros with it.
#pragma once

enum { QUADRATURE_SLOTS = 50 };  // entries of the working arrays, index 0..49

const double ROOT_EPSILON = 1e-7;  // relative tolerance of the root finder before scaling

// Working storage shared with the quadrature routines: a family polynomial,
// leading coefficient first; the coefficients handed to the root finder and
// the roots it returns (real and imaginary parts).
extern long double family_coefficients[QUADRATURE_SLOTS];
extern long double root_re[QUADRATURE_SLOTS];
extern long double root_im[QUADRATURE_SLOTS];
extern double tolerance_scale;  // set by check_and_scale_coefficients, 1 .. 1e7

// The square root by Heron's iteration; 0 for x = 0, -1 for any negative x.
long double heron_sqrt(long double x);

// Divides root_re[0..m] by its largest modulus, sets entries below 1e-300 in
// modulus to 0 and sets tolerance_scale from the smallest nonzero modulus.
// Returns 0, or 1 when the coefficients are all (nearly) zero.
int check_and_scale_coefficients(int m);

// The m roots of the polynomial with complex coefficients (root_re[i],
// root_im[i]), i = 0..m, leading first. Returns 0 with the roots at indices
// 0..m-1; 998 when no root was found; the count k of roots found (1..m-1)
// when the iteration failed after them.
int find_complex_roots(int m);

// The zeros of the family polynomial of degree n (Legendre, Laguerre or
// Hermite by polynomial_kind) in ascending order in root_re[0..n-1].
// Returns n, or -1 (abnormal coefficients), -2 (no convergence), -4 (not
// every root found).
int find_zeros_by_root_finder(int n);
