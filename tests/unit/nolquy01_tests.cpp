// The Tchebycheff polynomials T(n;x) and U~(n;x) = T'(n;x)/n.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "log_sum_tolerance.h"
#include "table_rows.h"
#include "tchebycheff.h"

static void compute(int n, int with_normalization)
{
    normalize = with_normalization;
    compute_table(n);
    normalize = 0;
}

// The polynomials of both kinds by the recurrence p(k+1) = 2x p(k) - p(k-1):
// from T(0) = 1, T(1) = x, and from U(0) = 1, U(1) = 2x. Both terms of each
// coefficient have the same sign, so the long double values stay within a few
// units of the last place of the exact integers.
static std::vector<std::vector<long double>> chebyshev_reference(long double first_slope)
{
    std::vector<std::vector<long double>> p(102, std::vector<long double>(102, 0.0L));
    p[0][0] = 1;
    p[1][1] = first_slope;
    for (int k = 1; k <= 100; k++)
        for (int i = 0; i <= k + 1; i++)
            p[k + 1][i] = (i > 0 ? 2 * p[k][i - 1] : 0.0L) - p[k - 1][i];
    return p;
}

static const std::vector<std::vector<long double>> t_reference = chebyshev_reference(1);
static const std::vector<std::vector<long double>> u_reference = chebyshev_reference(2);

// The binomials C(n-m, m) are logarithm sums; the rest is exact or 80-bit.
static long double tolerance(int n)
{
    return log_sum_tolerance(n, n / 2) + 1e-17L;
}

TEST(Tchebycheff, SmallDegreesByHand)
{
    compute(0, 0);
    EXPECT_EQ(1.0L, coefficients[0]);
    EXPECT_EQ(0.0L, u_coefficients[0]);
    compute(1, 0);  // T = x, U~ = 1
    EXPECT_EQ(0.0L, coefficients[0]);
    EXPECT_EQ(1.0L, coefficients[1]);
    EXPECT_EQ(1.0L, u_coefficients[0]);
    EXPECT_EQ(0.0L, u_coefficients[1]);
    compute(2, 0);  // T = 2x^2 - 1 (the term m = 1 takes 2^-1), U~ = 2x
    EXPECT_EQ(-1.0L, coefficients[0]);
    EXPECT_EQ(2.0L, coefficients[2]);
    EXPECT_EQ(2.0L, u_coefficients[1]);
    // T = 4x^3 - 3x: n/(n-m) = 3/2 is a real quotient, not the integer 1
    compute(3, 0);
    EXPECT_EQ(-3.0L, coefficients[1]);
    EXPECT_EQ(4.0L, coefficients[3]);
    EXPECT_EQ(-1.0L, u_coefficients[0]);  // U~ = 4x^2 - 1
    EXPECT_EQ(4.0L, u_coefficients[2]);
    compute(4, 0);  // T = 8x^4 - 8x^2 + 1
    EXPECT_EQ(1.0L, coefficients[0]);
    EXPECT_NEAR(-8.0L, coefficients[2], 1e-15L);
    EXPECT_EQ(8.0L, coefficients[4]);
    for (int i = 5; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, coefficients[i]) << i;
}

TEST(Tchebycheff, BothKindsAgainstTheRecurrenceUpToDegree100)
{
    for (int n = 0; n <= 100; n++) {
        compute(n, 0);
        for (int i = 0; i <= n; i++) {
            long double t = t_reference[n][i];
            if (t == 0)
                EXPECT_EQ(0.0L, coefficients[i]) << "n=" << n << " i=" << i;
            else
                EXPECT_NEAR(1.0L, coefficients[i] / t, tolerance(n)) << "n=" << n << " i=" << i;
        }
        // U~(n;x) = T'(n;x)/n is U(n-1;x), the polynomial of the second kind
        for (int i = 0; n >= 1 && i < n; i++) {
            long double u = u_reference[n - 1][i];
            if (u == 0)
                EXPECT_EQ(0.0L, u_coefficients[i]) << "n=" << n << " i=" << i;
            else
                EXPECT_NEAR(1.0L, u_coefficients[i] / u, tolerance(n) + 2e-19L) << "n=" << n << " i=" << i;
        }
        for (int i = n; i < TABLE_SLOTS; i++)
            ASSERT_EQ(0.0L, u_coefficients[i]) << "n=" << n << " i=" << i;
    }
}

TEST(Tchebycheff, ValuesAtOne)
{
    // T(n;1) = 1 and U~(n;1) = U(n-1;1) = n, bounded by the sum of the magnitudes
    for (int n = 0; n <= 100; n++) {
        compute(n, 0);
        long double t = 0, u = 0, t_magnitude = 0, u_magnitude = 0;
        for (int i = 0; i <= n; i++) {
            t += coefficients[i];
            u += u_coefficients[i];
            t_magnitude += fabsl(coefficients[i]);
            u_magnitude += fabsl(u_coefficients[i]);
        }
        EXPECT_LE(fabsl(t - 1), 2 * tolerance(n) * t_magnitude) << n;
        EXPECT_LE(fabsl(u - n), 2 * tolerance(n) * u_magnitude) << n;
    }
}

TEST(Tchebycheff, NormalizationDividesEachByItsLeadingCoefficient)
{
    compute(2, 1);  // x^2 - 0.5 and x
    EXPECT_EQ(-0.5L, coefficients[0]);
    EXPECT_EQ(1.0L, coefficients[2]);
    EXPECT_EQ(0.0L, u_coefficients[0]);
    EXPECT_EQ(1.0L, u_coefficients[1]);
    compute(0, 1);  // T = 1, U~ has no coefficient and stays 0
    EXPECT_EQ(1.0L, coefficients[0]);
    for (int i = 0; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, u_coefficients[i]);
    for (int n = 1; n <= 100; n++) {
        compute(n, 0);
        long double t_lead = coefficients[n], t_first = coefficients[n % 2];
        long double u_lead = u_coefficients[n - 1], u_first = u_coefficients[(n - 1) % 2];
        compute(n, 1);
        EXPECT_EQ(1.0L, coefficients[n]) << n;
        EXPECT_EQ(1.0L, u_coefficients[n - 1]) << n;
        if (n >= 2) {
            EXPECT_EQ(t_first / t_lead, coefficients[n % 2]) << n;
            EXPECT_EQ(u_first / u_lead, u_coefficients[(n - 1) % 2]) << n;
        }
    }
}

static std::string write_file(int n, int all, int with_normalization, int japanese)
{
    return capture_tables(n, all, with_normalization, japanese);
}

TEST(TchebycheffFile, DegreeOneInEnglish)
{
    EXPECT_EQ("TCHEBYCHEFF POLYNOMIALS T(n;x), U~(n;x)\r\n"
              "   Note: U~(n;x) = U(n;x)/sqrt(1-x*x)\r\n"
              "         Degree of U~(n;x) is n-1.\r\n"
              "\r\n*** polynomial of degree 1 ***\r\n"
              "Term\tT(n;x) Coef.\tU~(n;x) Coef.\r\n"
              " X^0\t   0.00000000E+00\t   1.00000000E+00\r\n"
              " X^1\t   1.00000000E+00\t   0.00000000E+00\r\n",
              write_file(1, 0, 0, 0));
}

TEST(TchebycheffFile, NormalizedAllDegreesToTwoInJapanese)
{
    EXPECT_EQ("チェビシェフ多項式 T(n;x), U~(n;x)\r\n"
              "   注：U~(n;x) = U(n;x)/sqrt(1-x*x)\r\n"
              "       U~(n;x) の次数は n-1.\r\n"
              "\r\n注：係数は基準化されています.\r\n"
              "\r\n*** 0次の多項式 ***\r\n項\tT(n;x) 係数\tU~(n;x) 係数\r\n"
              " X^0\t   1.00000000E+00\t   0.00000000E+00\r\n"
              "\r\n*** 1次の多項式 ***\r\n項\tT(n;x) 係数\tU~(n;x) 係数\r\n"
              " X^0\t   0.00000000E+00\t   1.00000000E+00\r\n"
              " X^1\t   1.00000000E+00\t   0.00000000E+00\r\n"
              "\r\n*** 2次の多項式 ***\r\n項\tT(n;x) 係数\tU~(n;x) 係数\r\n"
              " X^0\t  -5.00000000E-01\t   0.00000000E+00\r\n"
              " X^1\t   0.00000000E+00\t   1.00000000E+00\r\n"
              " X^2\t   1.00000000E+00\t   0.00000000E+00\r\n",
              write_file(2, 1, 1, 1));
}

TEST(TchebycheffFile, AllDegreesToHundredNormalized)
{
    std::string bytes = write_file(100, 1, 1, 0);
    auto count = [&](const std::string &what) { return count_occurrences(bytes, what); };
    EXPECT_EQ(1u, count("Note: Coefficients are normalized."));
    EXPECT_EQ(101u, count("Term\tT(n;x) Coef.\tU~(n;x) Coef.\r\n"));
    EXPECT_EQ(101u * 102 / 2, count(" X^"));
    EXPECT_EQ(0u, count("-0.00000000E+00"));
    std::string tail = " X^100\t   1.00000000E+00\t   0.00000000E+00\r\n";
    EXPECT_EQ(tail, bytes.substr(bytes.size() - tail.size()));
}

TEST(TchebycheffFile, ZeroOfEitherSignPrintsWithoutMinusInBothColumns)
{
    const long double first[] = {-0.0L, 2.0L};
    const long double second[] = {0.5L, -0.0L};
    EXPECT_EQ(" X^0\t   0.00000000E+00\t   5.00000000E-01\r\n X^1\t   2.00000000E+00\t   0.00000000E+00\r\n",
              capture_file([&](FILE *f) { write_two_column_rows(f, " X^%d", first, second, 1); }));
}
