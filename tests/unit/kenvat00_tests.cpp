// The ultraspherical polynomials P(n,m;x), the m-th derivatives of the
// Legendre polynomials.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "coefficient_checks.h"
#include "file_capture.h"
#include "log_sum_tolerance.h"
#include "ultraspherical.h"

static void compute(int n, int m, int with_normalization)
{
    normalize = with_normalization;
    compute_table(n, m);
    normalize = 0;
}

static void expect_row(const long double *expected, int d)
{
    expect_coefficients(expected, d, 1e-14L);
}

TEST(LogDoubleFactorial, SmallArguments)
{
    EXPECT_EQ(0.0, log_double_factorial(0));
    EXPECT_EQ(0.0, log_double_factorial(1));
    EXPECT_NEAR(log(15.0), log_double_factorial(3), 1e-15);
}

TEST(Ultraspherical, SmallCasesByHand)
{
    compute(1, 1, 0);
    long double one[] = {1};
    expect_row(one, 0);
    compute(3, 3, 0);  // 5!! = 15
    long double fifteen[] = {15};
    expect_row(fifteen, 0);
    compute(2, 1, 0);  // P(2;x)' = 3x
    long double derivative[] = {0, 3};
    expect_row(derivative, 1);
    compute(3, 2, 0);  // 15x
    long double second[] = {0, 15};
    expect_row(second, 1);
    compute(3, 1, 0);  // 7.5x^2 - 1.5
    long double first[] = {-1.5L, 0, 7.5L};
    expect_row(first, 2);
    compute(3, 0, 0);  // P(3;x) = 2.5x^3 - 1.5x
    long double legendre[] = {0, -1.5L, 0, 2.5L};
    expect_row(legendre, 3);
}

TEST(Ultraspherical, NormalizationSetsLeadingOneExactly)
{
    compute(3, 1, 1);
    long double first[] = {-0.2L, 0, 1};
    expect_row(first, 2);
    for (int n = 1; n <= 101; n++) {
        compute(n, 1, 1);
        EXPECT_EQ(1.0L, coefficients[n - 1]) << n;
    }
}

// The Legendre polynomials by (k+1) P(k+1;x) = (2k+1) x P(k;x) - k P(k-1;x)
// in extended precision (the two terms of each coefficient have the same
// sign, so the recurrence loses nothing), differentiated m times. The
// computed coefficients are exponentials of four sums of up to n logarithms.
TEST(Ultraspherical, DerivativesOfTheLegendrePolynomials)
{
    static long double legendre[103][TABLE_SLOTS];
    legendre[0][0] = 1;
    legendre[1][1] = 1;
    for (int k = 1; k <= 100; k++)
        for (int i = 0; i <= k + 1; i++)
            legendre[k + 1][i] = ((2 * k + 1) * (i > 0 ? legendre[k][i - 1] : 0) - k * legendre[k - 1][i]) / (k + 1);
    for (int n = 1; n <= 101; n++)
        for (int m : {1, 2, 3, 7, n / 2, n - 1, n}) {
            if (m < 1 || m > n)
                continue;
            compute(n, m, 0);
            for (int i = 0; i <= n - m; i++) {
                long double expected = legendre[n][i + m];
                for (int j = 1; j <= m; j++)
                    expected *= i + j;  // d^m x^(i+m) = (i+1)...(i+m) x^i
                if (expected == 0)
                    EXPECT_EQ(0.0L, coefficients[i]) << "n=" << n << " m=" << m << " i=" << i;
                else
                    EXPECT_NEAR(1.0L, coefficients[i] / expected, 2 * log_sum_tolerance(2 * n, n)) << "n=" << n << " m=" << m << " i=" << i;
            }
        }
}

static std::string write_file(int n, int m, int all, int with_normalization, int japanese)
{
    degree = n;
    order_m = m;
    return capture_tables(n - m, all, with_normalization, japanese);
}

TEST(UltrasphericalFile, AllDerivativesOfOneLegendrePolynomial)
{
    // degree k holds the (n - k)-th derivative of P(3;x)
    EXPECT_EQ("ULTRASPHERICAL POLYNOMIAL\r\n\r\nn = 3\r\nm = 1\r\n"
              "\r\n*** polynomial of degree 0 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   1.50000000E+01\r\n"
              "\r\n*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   0.00000000E+00\r\n X^1\t   1.50000000E+01\r\n"
              "\r\n*** polynomial of degree 2 ***\r\nTerm\tCoef.\r\n"
              " X^0\t  -1.50000000E+00\r\n X^1\t   0.00000000E+00\r\n X^2\t   7.50000000E+00\r\n",
              write_file(3, 1, 1, 0, 0));
}

TEST(UltrasphericalFile, NormalizedSinglePolynomialInJapanese)
{
    // 超球多項式 / 注：係数は基準化されています. / *** 2次の多項式 *** / 項 係数
    EXPECT_EQ("\x92\xb4\x8b\x85\x91\xbd\x8d\x80\x8e\xae\r\n\r\nn = 3\r\nm = 1\r\n"
              "\x92\x8d\x81\x46\x8c\x57\x90\x94\x82\xcd\x8a\xee\x8f\x80\x89\xbb\x82\xb3\x82\xea\x82\xc4"
              "\x82\xa2\x82\xdc\x82\xb7.\r\n"
              "\r\n*** 2\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n\x8d\x80\t\x8c\x57\x90\x94\r\n"
              " X^0\t  -2.00000000E-01\r\n X^1\t   0.00000000E+00\r\n X^2\t   1.00000000E+00\r\n",
              write_file(3, 1, 0, 1, 1));
}
