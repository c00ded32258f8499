// Gauss quadrature rules of degree n = 2..30: the zeros x[i] of the family
// polynomial, an error estimate for each zero and the weight factors w[i].
//   Legendre:  integral over [-1, 1] of f(x)
//   Laguerre:  integral over [0, infinity) of exp(-x) f(x)
//   Hermite:   integral over (-infinity, infinity) of exp(-x*x) f(x)
#pragma once

#include "family_polynomials.h"
#include "root_finder.h"

// Result codes besides the degree n of a success.
enum {
    ABNORMAL_COEFFICIENTS = -1,
    NO_CONVERGENCE = -2,
    NOT_ALL_ROOTS = -4,
    DIVISION_BY_ZERO = -5,
    EXPONENT_OUT_OF_RANGE = -6
};

extern long double zero_errors[QUADRATURE_SLOTS];  // the error estimate of root_re[i]
extern long double weights[QUADRATURE_SLOTS];      // the weight factor of root_re[i]

// The rule of degree n for polynomial_kind: root_re[0..n-1] ascending,
// zero_errors and weights beside them. Returns n or a negative code.
int compute_table(int n);

// First estimates of the Legendre zeros for n >= 24: Newton steps on P_n in
// powers of x from x0 = cos((4i+3) pi / (4n+2)). Returns n or -5.
int find_legendre_zeros_by_newton(int n);

// Newton steps on P_n (family_coefficients) with its derivative's
// coefficients, from x0, into root_re[slot]. Returns n or -5.
int refine_legendre_zero(int n, long double x0, const long double *derivative, int slot);

// Newton steps on the three-term recurrence of the family from the first
// estimates in root_re[0..n-1]; the zeros end ascending and distinct.
// Returns n, -2 (a zero does not settle), -4 (two estimates led to the same
// zero) or -5 (a vanishing derivative).
int polish_zeros(int n);

// One zero of the family polynomial of degree n by Newton steps on its
// recurrence from x0, into *zero. Returns n, -2 or -5.
int polish_zero(int kind, int n, long double x0, long double *zero);

// zero_errors[i] = n |p(x[i]) / prod over j != i of (x[i] - x[j])|, 0 for x[i] = 0;
// p is the family polynomial as built (leading coefficient (2n-1)!!/n!, 1/n!
// in modulus, 1). Returns n, or -5 when two zeros coincide.
int estimate_zero_errors(int n);

// The error estimates and weights of the zeros in root_re (for Hermite the
// zeros of He_n, which end divided by sqrt 2). Returns n, -5 or -6.
int compute_weights(int n);
