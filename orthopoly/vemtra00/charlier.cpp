#include "charlier.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "one_parameter.h"
#include "product_expansion.h"

static double factor_constants[TABLE_SLOTS];       // the constants -k of the factors x - k
static long double falling_product[TABLE_SLOTS];   // x (x - 1) ... (x - m + 1), index = power of x
static long double product_scratch[TABLE_SLOTS];   // work space of the product expansion

// The power is taken in extended precision: (-a)^(n-m) of a small a
// underflows a double long before the coefficient leaves the extended range.
long double integer_power(long double b, int k)
{
    if (k == 0)
        return 1.0L;
    if (b == 0)
        return 0.0L;
    return powl(b, k);
}

// C(a,n;x) = sum over m = 0..n of C(n, m) (-a)^(n-m) x (x - 1) ... (x - m + 1),
// the empty product (m = 0) being 1, for 0 <= n <= 100 and 0 <= a <= 10.
// The falling products are multiplied out and summed in extended precision;
// C(n, m) is a double from logarithms. For a >= 0 all terms of a coefficient
// have one sign, so their relative rounding errors stay those of the sum.
static void sum_falling_products(double a, int n)
{
    for (int m = 0; m <= n; m++) {
        for (int k = 0; k < TABLE_SLOTS; k++) {
            factor_constants[k] = 0.0;
            falling_product[k] = 0.0L;
            product_scratch[k] = 0.0L;
        }
        for (int k = 0; k < m; k++)
            factor_constants[k] = -k;
        expand_linear_factors(factor_constants, m, falling_product, product_scratch);
        long double power = integer_power(-(long double)a, n - m);
        long double binomial = binomial_coefficient(n, m);
        for (int k = 0; k <= m; k++)
            coefficients[k] = (falling_product[k] * power) * binomial + coefficients[k];
    }
}

// A number carried as the unevaluated sum hi + lo of two long doubles,
// |lo| <= half an ulp of hi: about 128 significant bits.
struct ExtendedPair {
    long double hi;
    long double lo;
};

// s + e = a + b exactly, s = fl(a + b) (Knuth's two-sum).
static ExtendedPair two_sum(long double a, long double b)
{
    long double s = a + b;
    long double b_part = s - a;
    long double a_part = s - b_part;
    long double e = (a - a_part) + (b - b_part);
    return {s, e};
}

// s + e = a + b exactly for |a| >= |b| or a = 0.
static ExtendedPair quick_two_sum(long double a, long double b)
{
    long double s = a + b;
    return {s, b - (s - a)};
}

// hi + lo = a exactly, each half with at most 32 significant bits
// (Dekker's splitting of a 64-bit mantissa by 2^32 + 1).
static ExtendedPair split(long double a)
{
    const long double splitter = 4294967297.0L;  // 2^32 + 1
    long double t = splitter * a;
    long double hi = t - (t - a);
    return {hi, a - hi};
}

// p + e = a b exactly, p = fl(a b) (Dekker's product).
static ExtendedPair two_product(long double a, long double b)
{
    long double p = a * b;
    ExtendedPair x = split(a), y = split(b);
    long double e = ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
    return {p, e};
}

// x + y, relative error a few units of 2^-128.
static ExtendedPair pair_add(ExtendedPair x, ExtendedPair y)
{
    ExtendedPair s = two_sum(x.hi, y.hi);
    ExtendedPair t = two_sum(x.lo, y.lo);
    s.lo += t.hi;
    s = quick_two_sum(s.hi, s.lo);
    s.lo += t.lo;
    return quick_two_sum(s.hi, s.lo);
}

// x y, relative error a few units of 2^-128.
static ExtendedPair pair_multiply(ExtendedPair x, ExtendedPair y)
{
    ExtendedPair p = two_product(x.hi, y.hi);
    p.lo += x.hi * y.lo + x.lo * y.hi;
    return quick_two_sum(p.hi, p.lo);
}

static ExtendedPair pair_from(long double x)
{
    return {x, 0.0L};
}

static ExtendedPair pascal_row[TABLE_SLOTS];   // C(n, m), index m
static ExtendedPair power_of_b[TABLE_SLOTS];   // b^j, b = -a > 0, index j
static ExtendedPair stirling_row[TABLE_SLOTS]; // s(m, k), index k
static ExtendedPair stirling_next[TABLE_SLOTS]; // s(m + 1, k), index k
static ExtendedPair pair_sums[TABLE_SLOTS];    // the sum for x^k so far

// The same sum for -10 <= a < 0, where its terms alternate in sign and cancel
// by up to about 5e8 at a = -10: every quantity is an ExtendedPair, so the
// error of the sum stays near 1e-36 of the sum of the magnitudes of its terms,
// and each coefficient is that pair rounded once to long double.
// coefficient of x^k = sum over m = k..n of C(n, m) b^(n-m) s(m, k), b = -a,
// with C(n, m) from Pascal's triangle (integers below 2^97),
// s(m + 1, k) = s(m, k - 1) - m s(m, k) (the falling product times x - m;
// both parts have the sign (-1)^(m+1-k), so no cancellation) and
// b^j = b^(j-1) b.
static void sum_falling_products_in_pairs(double a, int n)
{
    for (int m = 0; m <= n; m++) {
        pascal_row[m] = pair_from(m == 0 ? 1.0L : 0.0L);
        pair_sums[m] = pair_from(0.0L);
        stirling_row[m] = pair_from(m == 0 ? 1.0L : 0.0L);
    }
    for (int row = 1; row <= n; row++)
        for (int m = row; m >= 1; m--)
            pascal_row[m] = pair_add(pascal_row[m], pascal_row[m - 1]);
    ExtendedPair b = pair_from(-(long double)a);
    power_of_b[0] = pair_from(1.0L);
    for (int j = 1; j <= n; j++)
        power_of_b[j] = pair_multiply(power_of_b[j - 1], b);
    for (int m = 0; m <= n; m++) {
        ExtendedPair weight = pair_multiply(pascal_row[m], power_of_b[n - m]);
        for (int k = 0; k <= m; k++)
            pair_sums[k] = pair_add(pair_sums[k], pair_multiply(weight, stirling_row[k]));
        if (m == n)
            break;
        ExtendedPair minus_m = pair_from(-(long double)m);
        for (int k = 0; k <= m + 1; k++) {
            ExtendedPair shifted = k >= 1 ? stirling_row[k - 1] : pair_from(0.0L);
            ExtendedPair scaled = k <= m ? pair_multiply(minus_m, stirling_row[k]) : pair_from(0.0L);
            stirling_next[k] = pair_add(shifted, scaled);
        }
        for (int k = 0; k <= m + 1; k++)
            stirling_row[k] = stirling_next[k];
    }
    for (int k = 0; k <= n; k++)
        coefficients[k] = pair_sums[k].hi + pair_sums[k].lo;
}

// Fills coefficients with C(a,n;x), 0 <= n <= 100, -10 <= a <= 10.
// The leading coefficient is exactly 1 (C(n, n) = 1, (-a)^0 = 1).
void compute_table(double a, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    if (a >= 0)
        sum_falling_products(a, n);
    else
        sum_falling_products_in_pairs(a, n);
}

void write_table(FILE *file, int n)
{
    write_one_parameter_table(file, n, "CHARLIER POLYNOMIAL", "シャリエ多項式", "a", param_a);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_a, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
