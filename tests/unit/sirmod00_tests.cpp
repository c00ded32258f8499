// The generalized Laguerre polynomials L(a,n;x) and their binomial
// coefficients with a real upper argument.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "coefficient_checks.h"
#include "factorials.h"
#include "file_capture.h"
#include "laguerre.h"
#include "one_parameter.h"

static void compute(double a, int n, int with_normalization)
{
    normalize = with_normalization;
    compute_table(a, n);
    normalize = 0;
}

// Zeros must be exact; the other values come from sums of logarithms.
static void expect_row(const long double *expected, int n)
{
    expect_coefficients(expected, n, 1e-15L);
}

TEST(BinomialReal, IntegralUpperArguments)
{
    EXPECT_EQ(1.0, binomial_real(2, 0));
    EXPECT_EQ(1.0, binomial_real(3, 3));
    EXPECT_EQ(0.0, binomial_real(2, 5));
    EXPECT_EQ(0.0, binomial_real(0, 1));
    EXPECT_NEAR(10.0, binomial_real(5, 2), 1e-14);
    // a negative integer: a sign per negative factor, C(-7, 3) = -84
    EXPECT_NEAR(-84.0, binomial_real(-7, 3), 84 * 4e-15);
    EXPECT_NEAR(28.0, binomial_real(-7, 2), 28 * 4e-15);
    EXPECT_NEAR(-1.0, binomial_real(-1, 5), 1e-15);
}

TEST(BinomialReal, FractionalUpperArguments)
{
    EXPECT_EQ(1.0, binomial_real(2.5, 0));
    EXPECT_NEAR(1.875, binomial_real(2.5, 2), 1e-15);        // 2.5 * 1.5 / 2
    EXPECT_NEAR(-0.3125, binomial_real(-0.5, 3), 1e-15);     // (-0.5)(-1.5)(-2.5) / 6
    EXPECT_NEAR(0.0234375, binomial_real(1.5, 4), 1e-16);    // 1.5 * 0.5 * (-0.5)(-1.5) / 24
    EXPECT_NEAR(0.7, binomial_real(0.7, 1), 1e-15);
}

TEST(Laguerre, SmallDegreesByHand)
{
    compute(0, 2, 0);  // 1 - 2x + x^2/2
    long double plain[] = {1, -2, 0.5L};
    expect_row(plain, 2);
    compute(0, 2, 1);
    long double normalized[] = {2, -4, 1};
    expect_row(normalized, 2);
    compute(0.5, 1, 0);  // 1.5 - x
    long double half[] = {1.5L, -1};
    expect_row(half, 1);
    for (double a : {-10.0, -2.5, 0.0, 3.0, 10.0}) {
        compute(a, 0, 0);
        long double one[] = {1};
        expect_row(one, 0);
    }
}

TEST(Laguerre, IntegralNPlusAGivesExactZeros)
{
    compute(-3, 5, 0);  // n + a = 2: C(2, 5 - m) vanishes for m < 3
    long double plain[] = {0, 0, 0, -1.0L / 6, 1.0L / 12, -1.0L / 120};
    expect_row(plain, 5);
    compute(-3, 5, 1);
    long double normalized[] = {0, 0, 0, 20, -10, 1};
    expect_row(normalized, 5);
    EXPECT_EQ(1.0L, coefficients[5]);
}

// L(-1/2, n; x^2) = (-1)^n H(2n;x) / (4^n n!) with the Hermite polynomials
// H(k+1;x) = 2x H(k;x) - 2k H(k-1;x), exact integers in extended precision
// up to the degrees used here.
TEST(Laguerre, HalfIntegerParameterGivesEvenHermitePolynomials)
{
    long double previous[42] = {0}, current[42] = {1}, next[42] = {0};
    for (int k = 0; k <= 40; k++) {
        if (k % 2 == 0) {
            int n = k / 2;
            compute(-0.5, n, 0);
            long double scale = 1;
            for (int i = 1; i <= n; i++)
                scale *= 4.0L * i;
            if (n % 2 == 1)
                scale = -scale;
            for (int m = 0; m <= n; m++)
                EXPECT_NEAR(1.0L, coefficients[m] * scale / current[2 * m], 1e-13L) << "n=" << n << " m=" << m;
        }
        for (int i = 0; i <= k + 1; i++)
            next[i] = 2 * (i > 0 ? current[i - 1] : 0) - 2.0L * k * previous[i];
        for (int i = 0; i < 42; i++) {
            previous[i] = current[i];
            current[i] = next[i];
        }
    }
}

// (n + 1) L(a,n+1;x) = (2n + 1 + a - x) L(a,n;x) - (n + a) L(a,n-1;x), run in
// extended precision beside a bound on the magnitudes it adds, so that the
// cancellation the recurrence meets bounds its own error.
TEST(Laguerre, ThreeTermRecurrenceForEveryDegree)
{
    for (double a : {0.0, 0.5, -0.5, 2.25, -3.0, -7.75, 10.0, -10.0}) {
        long double previous[TABLE_SLOTS] = {0}, current[TABLE_SLOTS] = {1}, next[TABLE_SLOTS] = {0};
        long double previous_size[TABLE_SLOTS] = {0}, size[TABLE_SLOTS] = {1}, next_size[TABLE_SLOTS] = {0};
        for (int n = 0; n <= 100; n++) {
            compute(a, n, 0);
            for (int k = 0; k <= n; k++)
                EXPECT_NEAR(current[k], coefficients[k], 1e-12L * size[k]) << "a=" << a << " n=" << n << " k=" << k;
            long double along = 2.0L * n + 1 + a, back = n + (long double)a;
            for (int k = 0; k <= n + 1; k++) {
                long double shifted = k > 0 ? current[k - 1] : 0, shifted_size = k > 0 ? size[k - 1] : 0;
                next[k] = (along * current[k] - shifted - back * previous[k]) / (n + 1);
                next_size[k] = (fabsl(along) * size[k] + shifted_size + fabsl(back) * previous_size[k]) / (n + 1);
            }
            for (int k = 0; k < TABLE_SLOTS; k++) {
                previous[k] = current[k];
                current[k] = next[k];
                previous_size[k] = size[k];
                size[k] = next_size[k];
            }
        }
    }
}

static std::string write_file(double a, int n, int all, int with_normalization, int japanese)
{
    param_a = a;
    return capture_tables(n, all, with_normalization, japanese);
}

TEST(LaguerreFile, NormalizedZeroRowsPrintWithoutSign)
{
    // the zero rows are 0 / (-1/120), a zero with a negative sign
    EXPECT_EQ("LAGUERRE POLYNOMIAL\r\n\r\na = -3\r\n"
              "Note: Coefficients are normalized.\r\n"
              "\r\n*** polynomial of degree 5 ***\r\n"
              "Term\tCoef.\r\n"
              " X^0\t   0.00000000E+00\r\n"
              " X^1\t   0.00000000E+00\r\n"
              " X^2\t   0.00000000E+00\r\n"
              " X^3\t   2.00000000E+01\r\n"
              " X^4\t  -1.00000000E+01\r\n"
              " X^5\t   1.00000000E+00\r\n",
              write_file(-3, 5, 0, 1, 0));
}

TEST(LaguerreFile, AllDegreesInJapanese)
{
    // ラゲール多項式 / 注：係数は基準化されています. / *** d次の多項式 *** / 項 係数
    const std::string heading_tail = "\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n\x8d\x80\t\x8c\x57\x90\x94\r\n";
    EXPECT_EQ("\x83\x89\x83\x51\x81\x5b\x83\x8b\x91\xbd\x8d\x80\x8e\xae\r\n\r\na = 0.5\r\n"
              "\r\n*** 0" + heading_tail +
              " X^0\t   1.00000000E+00\r\n"
              "\r\n*** 1" + heading_tail +
              " X^0\t   1.50000000E+00\r\n X^1\t  -1.00000000E+00\r\n",
              write_file(0.5, 1, 1, 0, 1));
}
