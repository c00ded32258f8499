// The Hermite polynomials with a parameter, H(a,n;x), the range test of a and
// the one-parameter result file.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "coefficient_checks.h"
#include "file_capture.h"
#include "hermite.h"
#include "log_sum_tolerance.h"
#include "one_parameter.h"

// Zeros are exact; the other values come from sums of logarithms.
static void expect_row(const long double *expected, int n)
{
    expect_coefficients(expected, n, 1e-15L);
}

TEST(Hermite, SmallDegreesByHand)
{
    compute_table(1, 0);
    long double one[] = {1};
    expect_row(one, 0);
    compute_table(1, 4);  // He(4;x) = x^4 - 6x^2 + 3
    long double he4[] = {3, 0, -6, 0, 1};
    expect_row(he4, 4);
    compute_table(-2, 2);  // x^2 - (-2) = x^2 + 2
    long double minus_two[] = {2, 0, 1};
    expect_row(minus_two, 2);
    compute_table(0.5, 3);  // H(3;x) / 8 = x^3 - 1.5x
    long double half[] = {0, -1.5, 0, 1};
    expect_row(half, 3);
}

TEST(Hermite, ParameterZeroGivesThePowerOfX)
{
    compute_table(5, 30);
    compute_table(0.0, 7);
    long double power[] = {0, 0, 0, 0, 0, 0, 0, 1};
    expect_row(power, 7);
    compute_table(-0.0, 2);  // a lone "-" or "-0" reads as a zero too
    long double square[] = {0, 0, 1};
    expect_row(square, 2);
}

// The coefficient of x^k in degree n is C(n, 2m) (2m - 1)!! (-a)^m, m = (n - k) / 2,
// with both factorial-like numbers from sums of logarithms.
static long double term_tolerance(int n, int k)
{
    int m = (n - k) / 2;
    return log_sum_tolerance(n, 2 * m) + log_sum_tolerance(2 * m, m) + 1e-17L;
}

// Every coefficient is a single term, so the three-term recurrence
// H(a,n+1;x) = x H(a,n;x) - a n H(a,n-1;x), run in extended precision,
// gives references to within a few units in the last place.
TEST(Hermite, ThreeTermRecurrenceForEveryDegree)
{
    const double parameters[] = {1, -2, 0.37, 10, -10, 1e-3};
    for (double a : parameters) {
        long double previous[TABLE_SLOTS] = {0}, current[TABLE_SLOTS] = {1}, next[TABLE_SLOTS] = {0};
        for (int n = 0; n <= 100; n++) {
            compute_table(a, n);
            for (int k = 0; k <= n; k++) {
                if (current[k] == 0)
                    EXPECT_EQ(0.0L, coefficients[k]) << "a=" << a << " n=" << n << " k=" << k;
                else
                    EXPECT_NEAR(1.0L, coefficients[k] / current[k], term_tolerance(n, k)) << "a=" << a << " n=" << n << " k=" << k;
            }
            for (int k = 0; k <= n + 1; k++)
                next[k] = (k > 0 ? current[k - 1] : 0) - (long double)a * n * previous[k];
            for (int k = 0; k < TABLE_SLOTS; k++) {
                previous[k] = current[k];
                current[k] = next[k];
            }
        }
    }
}

// d/dx H(a,n;x) = n H(a,n-1;x).
TEST(Hermite, DerivativeIsNTimesThePreviousDegree)
{
    for (int n = 1; n <= 100; n++) {
        long double lower[TABLE_SLOTS];
        compute_table(-3.25, n - 1);
        for (int k = 0; k < TABLE_SLOTS; k++)
            lower[k] = coefficients[k];
        compute_table(-3.25, n);
        for (int k = 1; k <= n; k++) {
            if (lower[k - 1] == 0)
                EXPECT_EQ(0.0L, coefficients[k]);
            else
                EXPECT_NEAR(1.0L, k * coefficients[k] / (n * lower[k - 1]), term_tolerance(n, k) + term_tolerance(n - 1, k - 1)) << "n=" << n << " k=" << k;
        }
    }
}

// a^50 of a = 1e-7 is 1e-350, below the double range; the constant term of
// H(a,100;x) = (-a)^50 99!! is about 2.7e-272 and must not come out as 0.
TEST(Hermite, SmallParameterPowersStayExtended)
{
    compute_table(1e-7, 100);
    long double double_factorial_99 = 1;
    for (int i = 1; i <= 99; i += 2)
        double_factorial_99 *= i;
    long double expected = double_factorial_99 * powl(1e-7L, 50);
    // a itself is the double nearest 1e-7
    long double a_power = powl((long double)1e-7, 50);
    EXPECT_NEAR(1.0L, coefficients[0] / (double_factorial_99 * a_power), 1e-13L);
    EXPECT_NEAR(1.0L, coefficients[0] / expected, 1e-12L);
    EXPECT_GT(coefficients[0], 2.6e-272L);
}

static std::string write_file(double a, int n, int all, int japanese)
{
    param_a = a;
    return capture_tables(n, all, 0, japanese);
}

TEST(HermiteFile, DegreeFourInEnglish)
{
    EXPECT_EQ("HERMITE POLYNOMIAL\r\n\r\na = 1\r\n"
              "\r\n*** polynomial of degree 4 ***\r\n"
              "Term\tCoef.\r\n"
              " X^0\t   3.00000000E+00\r\n"
              " X^1\t   0.00000000E+00\r\n"
              " X^2\t  -6.00000000E+00\r\n"
              " X^3\t   0.00000000E+00\r\n"
              " X^4\t   1.00000000E+00\r\n",
              write_file(1, 4, 0, 0));
}

TEST(HermiteFile, AllDegreesInJapaneseWithFractionalParameter)
{
    // エルミート多項式 / *** d次の多項式 *** / 項 係数
    const std::string heading_tail = "\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n\x8d\x80\t\x8c\x57\x90\x94\r\n";
    EXPECT_EQ("\x83\x47\x83\x8b\x83\x7e\x81\x5b\x83\x67\x91\xbd\x8d\x80\x8e\xae\r\n\r\na = -1.25\r\n"
              "\r\n*** 0" + heading_tail +
              " X^0\t   1.00000000E+00\r\n"
              "\r\n*** 1" + heading_tail +
              " X^0\t   0.00000000E+00\r\n X^1\t   1.00000000E+00\r\n"
              "\r\n*** 2" + heading_tail +
              " X^0\t   1.25000000E+00\r\n X^1\t   0.00000000E+00\r\n X^2\t   1.00000000E+00\r\n",
              write_file(-1.25, 2, 1, 1));
}

TEST(HermiteFile, NegativeZeroParameterPrintsAsZero)
{
    std::string bytes = write_file(-0.0, 1, 0, 0);
    EXPECT_EQ("HERMITE POLYNOMIAL\r\n\r\na = 0\r\n"
              "\r\n*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   0.00000000E+00\r\n X^1\t   1.00000000E+00\r\n",
              bytes);
}
