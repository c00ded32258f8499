#include "quadrature.h"

#include <cmath>

long double zero_errors[QUADRATURE_SLOTS];
long double weights[QUADRATURE_SLOTS];

static const long double PI = 3.14159265358979323846264338327950288L;
static const int FIRST_NEWTON_DEGREE = 24;  // Legendre zeros from here on start from cosines
static const int FIRST_ESTIMATE_STEPS = 2000;
static const int POLISH_STEP_LIMIT = 100;
// Below this relative size a Newton step that no longer halves the one
// before it is rounding noise: the zero has settled.
static const long double SETTLED_STEP = 1e-13L;

static long double magnitude(long double x)
{
    return x < 0 ? -x : x;
}

// p(x) = c[0] x^d + c[1] x^(d-1) + ... + c[d] by Horner's rule.
static long double horner(const long double *c, int d, long double x)
{
    long double p = c[0];
    for (int i = 1; i <= d; i++)
        p = p * x + c[i];
    return p;
}

// x <- x - P_n(x)/P_n'(x) with both in powers of x, until a step is at most
// 1e-14 (1e-7 ROOT_EPSILON); then the better of the last two iterates by
// |P_n| is kept, a tie keeping the earlier one. Near x = 1 the rounding noise
// of P_n in powers of x can exceed that bound for n near 30; the iterate of
// the 2000th step is then kept all the same: it is only a first estimate.
int refine_legendre_zero(int n, long double x0, const long double *derivative, int slot)
{
    const long double bound = (long double)(ROOT_EPSILON * 1e-7);
    long double x = x0;
    for (int step = 1; step <= FIRST_ESTIMATE_STEPS; step++) {
        long double p = horner(family_coefficients, n, x);
        long double q = horner(derivative, n - 1, x);
        if (q == 0)
            return DIVISION_BY_ZERO;
        long double next = x - p / q;
        if (x - next >= -bound && x - next <= bound) {
            root_re[slot] = magnitude(horner(family_coefficients, n, next)) < magnitude(p) ? next : x;
            return n;
        }
        x = next;
    }
    root_re[slot] = x;
    return n;
}

// The zeros in [0, 1) from x0 = cos((4i+3) pi / (4n+2)), i = 0, 1, ... (the
// argument formed in extended precision with the double pi, the cosine of
// the double), mirrored to the negative ones.
int find_legendre_zeros_by_newton(int n)
{
    for (int i = 0; i < QUADRATURE_SLOTS; i++) {
        root_re[i] = 0.0L;
        root_im[i] = 0.0L;
    }
    build_legendre_coefficients(n);
    long double derivative[QUADRATURE_SLOTS];
    for (int i = 0; i < n; i++)
        derivative[i] = family_coefficients[i] * (n - i);
    for (int i = 0; 4 * i + 3 <= 2 * n + 1; i++) {
        long double angle = (4 * i + 3) * (long double)3.141592653589793 / (4 * n + 2);
        int r = refine_legendre_zero(n, cos((double)angle), derivative, n - 1 - i);
        if (r < 0)
            return r;
    }
    for (int k = 0; k < n / 2; k++)
        root_re[k] = -root_re[n - 1 - k];
    return n;
}

// x <- x - p_n(x)/p_n'(x) with p_n and p_n' from the recurrence. The steps
// shrink quadratically until they reach the rounding noise of p_n; the
// iteration ends at a step too small to change x, or at the first step
// below 1e-13 |x| that is not under half the step before (the noise floor).
// Each step that does not end it halves the step before, so it ends within
// some 70 steps of a start near the zero; 100 steps mean no convergence.
int polish_zero(int kind, int n, long double x0, long double *zero)
{
    long double x = x0;
    long double previous = 0.0L;
    for (int step = 1; step <= POLISH_STEP_LIMIT; step++) {
        FamilyValues v = evaluate_family(kind, n, x);
        if (v.value == 0) {
            *zero = x;
            return n;
        }
        if (v.derivative == 0)
            return DIVISION_BY_ZERO;
        long double dx = v.value / v.derivative;
        long double size = magnitude(dx);
        int settled = step > 1 && size <= SETTLED_STEP * magnitude(x) && size > previous / 2;
        if (x - dx == x || settled) {
            *zero = x;
            return n;
        }
        x = x - dx;
        previous = size;
    }
    return NO_CONVERGENCE;
}

static void sort_zeros(int n)
{
    for (int i = 1; i < n; i++)
        for (int j = i; j > 0 && root_re[j - 1] > root_re[j]; j--) {
            long double x = root_re[j];
            root_re[j] = root_re[j - 1];
            root_re[j - 1] = x;
        }
}

// n zeros of a polynomial of degree n, each settled on its own zero, are all
// of them; two estimates that led to the same zero leave one unfound.
static int zeros_are_distinct(int n)
{
    for (int i = 0; i + 1 < n; i++)
        if (!(root_re[i + 1] - root_re[i] > 1e-9L * (magnitude(root_re[i]) + magnitude(root_re[i + 1]))))
            return 0;
    return 1;
}

// Legendre and Hermite polynomials are even or odd: the positive zeros are
// polished and mirrored, and the middle zero of odd n is exactly 0.
// Each zero is settled a second time from its value rounded to single
// precision: its last bits, and the error estimate that reflects them, then
// no longer depend on the first estimate, whose coefficients come from the
// library's log and exp and differ in their last bits between libraries.
int polish_zeros(int n)
{
    int symmetric = polynomial_kind != KIND_LAGUERRE;
    int h = n / 2;
    int first = symmetric ? n - h : 0;
    for (int i = first; i < n; i++) {
        int r = polish_zero(polynomial_kind, n, root_re[i], &root_re[i]);
        if (r >= 0)
            r = polish_zero(polynomial_kind, n, (float)root_re[i], &root_re[i]);
        if (r < 0)
            return r;
    }
    if (symmetric) {
        if (n % 2 == 1)
            root_re[h] = 0.0L;
        for (int k = 0; k < h; k++)
            root_re[h - 1 - k] = -root_re[first + k];
    }
    sort_zeros(n);
    return zeros_are_distinct(n) ? n : NOT_ALL_ROOTS;
}

int estimate_zero_errors(int n)
{
    for (int i = 0; i < n; i++) {
        long double x = root_re[i];
        if (x == 0) {
            zero_errors[i] = 0.0L;
            continue;
        }
        long double p = evaluate_family(polynomial_kind, n, x).value;
        long double d = 1.0L;
        for (int j = 0; j < n; j++)
            if (j != i)
                d = d * (x - root_re[j]);
        if (d == 0)
            return DIVISION_BY_ZERO;
        zero_errors[i] = n * magnitude(p / d);
    }
    return n;
}

// The weight's logarithm must lie in (-700, 700), the range of the
// exponential of doubles; beyond it the rule is not tabulated.
static int weight_in_range(long double w)
{
    if (!(w > 0))
        return 0;
    long double t = logl(w);
    return t > -700 && t < 700;
}

// Legendre: w = 2 / ((1 - x^2) P_n'(x)^2).
static int legendre_weight(int n, long double x, long double *w)
{
    long double slope = evaluate_family(KIND_LEGENDRE, n, x).derivative;
    long double s = 1 - x * x;
    if (slope == 0 || s == 0)
        return DIVISION_BY_ZERO;
    *w = 2 / (slope * slope * s);
    return n;
}

// Laguerre: w = x / ((n+1)^2 L_(n+1)(x)^2).
static int laguerre_weight(int n, long double x, long double *w)
{
    long double next = evaluate_family(KIND_LAGUERRE, n + 1, x).value;
    if (next == 0)
        return DIVISION_BY_ZERO;
    *w = x / ((long double)(n + 1) * (n + 1) * next * next);
    return weight_in_range(*w) ? n : EXPONENT_OUT_OF_RANGE;
}

// Hermite, x a zero of He_n: w = sqrt(pi) n! / (n^2 He_(n-1)(x)^2), the
// weight of the zero x / sqrt 2 of H_n; n! as a product in extended precision.
static int hermite_weight(int n, long double x, long double *w)
{
    long double previous = evaluate_family(KIND_HERMITE, n, x).previous;
    if (previous == 0)
        return DIVISION_BY_ZERO;
    long double factorial = 1.0L;
    for (int k = 2; k <= n; k++)
        factorial = factorial * k;
    *w = sqrtl(PI) * factorial / ((long double)n * n * previous * previous);
    return weight_in_range(*w) ? n : EXPONENT_OUT_OF_RANGE;
}

int compute_weights(int n)
{
    if (estimate_zero_errors(n) < 0)
        return DIVISION_BY_ZERO;
    for (int i = 0; i < n; i++) {
        int r;
        if (polynomial_kind == KIND_LAGUERRE)
            r = laguerre_weight(n, root_re[i], &weights[i]);
        else if (polynomial_kind == KIND_HERMITE)
            r = hermite_weight(n, root_re[i], &weights[i]);
        else
            r = legendre_weight(n, root_re[i], &weights[i]);
        if (r < 0)
            return r;
    }
    if (polynomial_kind == KIND_HERMITE)
        for (int i = 0; i < n; i++)
            root_re[i] = root_re[i] / sqrtl(2.0L);
    return n;
}

// The road: first estimates (the root finder on the polynomial
// in powers of x, or for Legendre n >= 24 Newton steps from cosines), those
// estimates polished on the recurrence, then error estimates and weights.
int compute_table(int n)
{
    int r = polynomial_kind == KIND_LEGENDRE && n >= FIRST_NEWTON_DEGREE ? find_legendre_zeros_by_newton(n)
                                                                         : find_zeros_by_root_finder(n);
    if (r < 0)
        return r;
    r = polish_zeros(n);
    if (r < 0)
        return r;
    return compute_weights(n);
}
