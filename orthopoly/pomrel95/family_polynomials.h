// The three families of the quadrature rules: their coefficients in powers
// of x, and their values by the three-term recurrences.
#pragma once

enum PolynomialKind { KIND_LEGENDRE = 0, KIND_LAGUERRE = 1, KIND_HERMITE = 2 };

extern int polynomial_kind;  // the chosen family, a PolynomialKind; Legendre at start

// Each builder clears family_coefficients and fills entries 0..n with the
// coefficients of its polynomial of degree n, leading first (index 0 holds
// the coefficient of x^n, index n the constant term).
void build_legendre_coefficients(int n);
void build_laguerre_coefficients(int n);
void build_hermite_coefficients(int n);
void build_family_coefficients(int kind, int n);

// The family polynomial of degree n (n >= 1) at x, normalized as the
// builders make it, with the polynomial of degree n - 1 and the derivative.
struct FamilyValues {
    long double value;       // p_n(x)
    long double previous;    // p_(n-1)(x)
    long double derivative;  // p_n'(x)
};
FamilyValues evaluate_family(int kind, int n, long double x);
