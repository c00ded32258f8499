#include "family_polynomials.h"

#include "factorials.h"
#include "root_finder.h"

int polynomial_kind;

static void clear_family_coefficients()
{
    for (int i = 0; i < QUADRATURE_SLOTS; i++)
        family_coefficients[i] = 0.0L;
}

// The builders fill c[p], the coefficient of x^p; this puts x^n first.
static void put_leading_first(int n)
{
    for (int i = 0, j = n; i < j; i++, j--) {
        long double c = family_coefficients[i];
        family_coefficients[i] = family_coefficients[j];
        family_coefficients[j] = c;
    }
}

// P_n(x) = (2n-1)!!/n! * sum over k = 0..n/2 of (a)_k (b)_k / ((c)_k k!) x^(n-2k)
// with a = -n/2, b = (1-n)/2, c = (1-2n)/2; the Pochhammer ratio in extended
// precision, k!, n! and (2n-1)!! as exponentials of double log sums.
void build_legendre_coefficients(int n)
{
    clear_family_coefficients();
    if (n == 0) {
        family_coefficients[0] = 1.0L;
        return;
    }
    double a = -n / 2.0, b = (1 - n) / 2.0, c = (1 - 2 * n) / 2.0;
    for (int k = 0; 2 * k <= n; k++) {
        long double ratio = k == 0 ? 1.0L : pochhammer_ratio(a, b, c, k);
        family_coefficients[n - 2 * k] = ratio / factorial_by_log_sum(k, 1);
    }
    long double factor = (long double)double_factorial(n) / factorial_by_log_sum(n, 1);
    for (int p = 0; p <= n; p++)
        family_coefficients[p] = family_coefficients[p] * factor;
    put_leading_first(n);
}

// L_n(x) = sum over k = 0..n of (-1)^k C(n,k) x^k / k!, so that L_n(0) = 1;
// C(n, n-k) and k! are exponentials of double log sums.
void build_laguerre_coefficients(int n)
{
    clear_family_coefficients();
    for (int k = 0; k <= n; k++) {
        family_coefficients[k] = (long double)binomial_coefficient(n, n - k) / factorial_by_log_sum(k, 1);
        if (k % 2 == 1)
            family_coefficients[k] = -family_coefficients[k];
    }
    put_leading_first(n);
}

// He_n(x) = sum over k = 0..n/2 of (-1)^k C(n,2k) (2k-1)!! x^(n-2k), monic.
void build_hermite_coefficients(int n)
{
    clear_family_coefficients();
    family_coefficients[n] = 1.0L;
    for (int k = 1; 2 * k <= n; k++) {
        family_coefficients[n - 2 * k] = (long double)double_factorial(k) * binomial_coefficient(n, 2 * k);
        if (k % 2 == 1)
            family_coefficients[n - 2 * k] = -family_coefficients[n - 2 * k];
    }
    put_leading_first(n);
}

void build_family_coefficients(int kind, int n)
{
    if (kind == KIND_LAGUERRE)
        build_laguerre_coefficients(n);
    else if (kind == KIND_HERMITE)
        build_hermite_coefficients(n);
    else
        build_legendre_coefficients(n);
}

// Legendre, for k = 1..n-1:
//   (k+1) P_(k+1) = (2k+1) x P_k - k P_(k-1),   P_0 = 1, P_1 = x;
//   P'_(k+1) = P'_(k-1) + (2k+1) P_k,             P'_0 = 0, P'_1 = 1.
static FamilyValues evaluate_legendre(int n, long double x)
{
    long double p0 = 1.0L, p1 = x, d0 = 0.0L, d1 = 1.0L;
    for (int k = 1; k < n; k++) {
        long double p2 = ((2 * k + 1) * x * p1 - k * p0) / (k + 1);
        long double d2 = d0 + (2 * k + 1) * p1;
        p0 = p1;
        p1 = p2;
        d0 = d1;
        d1 = d2;
    }
    FamilyValues v = {p1, p0, d1};
    return v;
}

// Laguerre, for k = 1..n-1:
//   (k+1) L_(k+1) = (2k+1-x) L_k - k L_(k-1),    L_0 = 1, L_1 = 1 - x;
//   L'_(k+1) = L'_k - L_k,                        L'_0 = 0, L'_1 = -1.
static FamilyValues evaluate_laguerre(int n, long double x)
{
    long double p0 = 1.0L, p1 = 1.0L - x, d1 = -1.0L;
    for (int k = 1; k < n; k++) {
        long double p2 = ((2 * k + 1 - x) * p1 - k * p0) / (k + 1);
        d1 = d1 - p1;
        p0 = p1;
        p1 = p2;
    }
    FamilyValues v = {p1, p0, d1};
    return v;
}

// Hermite, for k = 1..n-1:
//   He_(k+1) = x He_k - k He_(k-1),   He_0 = 1, He_1 = x;   He_n' = n He_(n-1).
static FamilyValues evaluate_hermite(int n, long double x)
{
    long double p0 = 1.0L, p1 = x;
    for (int k = 1; k < n; k++) {
        long double p2 = x * p1 - k * p0;
        p0 = p1;
        p1 = p2;
    }
    FamilyValues v = {p1, p0, n * p0};
    return v;
}

FamilyValues evaluate_family(int kind, int n, long double x)
{
    if (kind == KIND_LAGUERRE)
        return evaluate_laguerre(n, x);
    if (kind == KIND_HERMITE)
        return evaluate_hermite(n, x);
    return evaluate_legendre(n, x);
}
