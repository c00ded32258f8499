// The Neumann polynomials O(n;t), polynomials in 1/t.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "log_sum_tolerance.h"
#include "neumann.h"
#include "table_rows.h"

static std::vector<long double> table_of(int n)
{
    compute_table(n);
    return std::vector<long double>(coefficients, coefficients + TABLE_SLOTS);
}

// The coefficient of t^-(n-2s+1), 2^(n-2s-1) (n-s-1)! n / s! for n >= 1, as a
// product of integers in long double (exact while below 2^64).
static long double exact_coefficient(int n, int s)
{
    long double c = n;
    for (int i = 1; i <= n - s - 1; i++)
        c *= i;
    for (int i = 1; i <= s; i++)
        c /= i;
    return ldexpl(c, n - 2 * s - 1);
}

// The logarithm sums of (n-s-1)! and s! (n steps, partial sums below ln n!)
// and the double exponential.
static long double tolerance(int n)
{
    return log_sum_tolerance(n, n) + 4e-16L;
}

TEST(Neumann, SmallDegreesByHand)
{
    std::vector<long double> o = table_of(0);  // 1/t
    EXPECT_EQ(0.0L, o[0]);
    EXPECT_EQ(1.0L, o[1]);
    o = table_of(1);  // 1/t^2
    EXPECT_EQ(0.0L, o[1]);
    EXPECT_NEAR(1.0L, o[2], 1e-15L);
    o = table_of(2);  // 1/t + 4/t^3
    EXPECT_NEAR(1.0L, o[1], 1e-15L);
    EXPECT_EQ(0.0L, o[2]);
    EXPECT_NEAR(4.0L, o[3], 4e-15L);
    o = table_of(3);  // 3/t^2 + 24/t^4
    EXPECT_NEAR(3.0L, o[2], 3e-15L);
    EXPECT_NEAR(24.0L, o[4], 24e-15L);
    o = table_of(4);  // 1/t + 16/t^3 + 192/t^5
    EXPECT_NEAR(1.0L, o[1], 1e-15L);
    EXPECT_NEAR(16.0L, o[3], 16e-15L);
    EXPECT_NEAR(192.0L, o[5], 192e-15L);
    for (int i = 6; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, o[i]);
}

TEST(Neumann, EveryCoefficientAgainstExactProductsUpToDegree99)
{
    for (int n = 1; n <= 99; n++) {
        std::vector<long double> o = table_of(n);
        EXPECT_EQ(0.0L, o[0]);
        for (int s = 0; 2 * s <= n; s++) {
            int i = n - 2 * s + 1;
            EXPECT_NEAR(1.0L, o[i] / exact_coefficient(n, s), tolerance(n)) << "n=" << n << " s=" << s;
            EXPECT_EQ(0.0L, o[i - 1]) << "n=" << n << " other parity at " << i - 1;
        }
        for (int i = n + 2; i < TABLE_SLOTS; i++)
            ASSERT_EQ(0.0L, o[i]);
    }
}

// (n-1) O(n+1;t) + (n+1) O(n-1;t) - (2(n^2-1)/t) O(n;t) = (2n/t) sin^2(n pi/2),
// coefficient by coefficient, bounded by the magnitudes of the terms.
TEST(Neumann, ThreeTermRecurrenceHoldsForEveryDegree)
{
    for (int n = 1; n <= 98; n++) {
        std::vector<long double> before = table_of(n - 1), now = table_of(n), after = table_of(n + 1);
        for (int i = 0; i <= n + 2; i++) {
            long double lowered = i >= 1 ? 2.0L * (n * n - 1) * now[i - 1] : 0.0L;
            long double left = (n - 1) * after[i] + (n + 1) * before[i] - lowered;
            long double right = (n % 2 == 1 && i == 1) ? 2.0L * n : 0.0L;
            long double magnitude = fabsl((n - 1) * after[i]) + fabsl((n + 1) * before[i]) + fabsl(lowered);
            EXPECT_LE(fabsl(left - right), 2 * tolerance(n + 1) * magnitude) << "n=" << n << " i=" << i;
        }
    }
}

static std::string write_file(int n, int all, int japanese)
{
    return capture_tables(n, all, 0, japanese);
}

static const char *const TITLE_BLOCK = "NEUMANN POLYNOMIAL\r\n"
                                       "Note: There does not exist the Neumann polynomial of degree 0.\r\n"
                                       "Note: The coefficient for t^0 term is always zero.\r\n";

TEST(NeumannFile, DegreeZeroIsHeadedMinusOne)
{
    EXPECT_EQ(std::string(TITLE_BLOCK) +
                  "\r\n*** polynomial of degree -1 ***\r\n"
                  "Term\tCoef.\r\n"
                  " t^0\t   0.00000000E+00\r\n"
                  " t^-1\t   1.00000000E+00\r\n",
              write_file(0, 0, 0));
}

TEST(NeumannFile, AllDegreesToTwo)
{
    EXPECT_EQ(std::string(TITLE_BLOCK) +
                  "\r\n*** polynomial of degree -1 ***\r\nTerm\tCoef.\r\n"
                  " t^0\t   0.00000000E+00\r\n t^-1\t   1.00000000E+00\r\n"
                  "\r\n*** polynomial of degree -2 ***\r\nTerm\tCoef.\r\n"
                  " t^0\t   0.00000000E+00\r\n t^-1\t   0.00000000E+00\r\n t^-2\t   1.00000000E+00\r\n"
                  "\r\n*** polynomial of degree -3 ***\r\nTerm\tCoef.\r\n"
                  " t^0\t   0.00000000E+00\r\n t^-1\t   1.00000000E+00\r\n t^-2\t   0.00000000E+00\r\n"
                  " t^-3\t   4.00000000E+00\r\n",
              write_file(2, 1, 0));
}

TEST(NeumannFile, JapaneseTitleAndHeading)
{
    EXPECT_EQ("ノイマン多項式\r\n"
              "注：0 次のノイマン多項式は、存在しません.\r\n"
              "注：t^0 の項の係数は、常に零です.\r\n"
              "\r\n*** -2次の多項式 ***\r\n項\t係数\r\n"
              " t^0\t   0.00000000E+00\r\n t^-1\t   0.00000000E+00\r\n t^-2\t   1.00000000E+00\r\n",
              write_file(1, 0, 1));
}

TEST(NeumannFile, DegreeNinetyNineReachesPowerMinusHundred)
{
    std::string bytes = write_file(99, 0, 0);
    EXPECT_NE(std::string::npos, bytes.find("*** polynomial of degree -100 ***"));
    EXPECT_NE(std::string::npos, bytes.find("\r\n t^-100\t"));
    EXPECT_EQ(std::string::npos, bytes.find("t^-101"));
    EXPECT_EQ(std::string::npos, bytes.find("-0.00000000E+00"));
}

TEST(NeumannFile, ZeroOfEitherSignPrintsWithoutMinus)
{
    const long double values[] = {-0.0L, 0.0L, -1.5L};
    EXPECT_EQ(" t^0\t   0.00000000E+00\r\n t^-1\t   0.00000000E+00\r\n t^-2\t  -1.50000000E+00\r\n",
              capture_file([&](FILE *f) { write_negative_power_rows(f, " t^%d", values, 2); }));
}
