// The Schläfli polynomials S(n;t), polynomials in 1/t.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "log_sum_tolerance.h"
#include "schlaefli.h"

static std::vector<long double> table_of(int n)
{
    compute_table(n);
    return std::vector<long double>(coefficients, coefficients + TABLE_SLOTS);
}

// The coefficient of t^-(n-2s), 2^(n-2s) (n-s-1)! / s!, as a product of
// integers in long double (exact while below 2^64).
static long double exact_coefficient(int n, int s)
{
    long double c = 1;
    for (int i = 1; i <= n - s - 1; i++)
        c *= i;
    for (int i = 1; i <= s; i++)
        c /= i;
    return ldexpl(c, n - 2 * s);
}

static long double tolerance(int n)
{
    return log_sum_tolerance(n, n) + 4e-16L;
}

TEST(Schlaefli, DegreeZeroHasNoTerm)
{
    // [(0-1)/2] is -1: a truncating division would give 0 and a term 1 at t^0
    for (long double c : table_of(0))
        ASSERT_EQ(0.0L, c);
}

TEST(Schlaefli, SmallDegreesByHand)
{
    std::vector<long double> s = table_of(1);  // 2/t
    EXPECT_EQ(0.0L, s[0]);
    EXPECT_NEAR(2.0L, s[1], 2e-15L);
    s = table_of(2);  // 4/t^2
    EXPECT_EQ(0.0L, s[1]);
    EXPECT_NEAR(4.0L, s[2], 4e-15L);
    s = table_of(3);  // 2/t + 16/t^3
    EXPECT_NEAR(2.0L, s[1], 2e-15L);
    EXPECT_NEAR(16.0L, s[3], 16e-15L);
    s = table_of(4);  // 8/t^2 + 96/t^4
    EXPECT_EQ(0.0L, s[0]);
    EXPECT_NEAR(8.0L, s[2], 8e-15L);
    EXPECT_NEAR(96.0L, s[4], 96e-15L);
    for (int i = 5; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, s[i]);
}

TEST(Schlaefli, EveryCoefficientAgainstExactProductsUpToDegree100)
{
    for (int n = 1; n <= 100; n++) {
        std::vector<long double> c = table_of(n);
        EXPECT_EQ(0.0L, c[0]) << n;
        for (int s = 0; 2 * s <= n - 1; s++) {
            int i = n - 2 * s;
            EXPECT_NEAR(1.0L, c[i] / exact_coefficient(n, s), tolerance(n)) << "n=" << n << " s=" << s;
            EXPECT_EQ(0.0L, c[i - 1]) << "n=" << n << " other parity at " << i - 1;
        }
        for (int i = n + 1; i < TABLE_SLOTS; i++)
            ASSERT_EQ(0.0L, c[i]);
    }
}

static std::string write_file(int n, int all, int japanese)
{
    return capture_tables(n, all, 0, japanese);
}

TEST(SchlaefliFile, DegreeZeroIsHeadedZeroWithoutSign)
{
    EXPECT_EQ("SCHLAEFLI POLYNOMIAL\r\n"
              "\r\n*** polynomial of degree 0 ***\r\n"
              "Term\tCoef.\r\n"
              " t^0\t   0.00000000E+00\r\n",
              write_file(0, 0, 0));
}

TEST(SchlaefliFile, AllDegreesToThree)
{
    EXPECT_EQ("SCHLAEFLI POLYNOMIAL\r\n"
              "\r\n*** polynomial of degree 0 ***\r\nTerm\tCoef.\r\n t^0\t   0.00000000E+00\r\n"
              "\r\n*** polynomial of degree -1 ***\r\nTerm\tCoef.\r\n"
              " t^0\t   0.00000000E+00\r\n t^-1\t   2.00000000E+00\r\n"
              "\r\n*** polynomial of degree -2 ***\r\nTerm\tCoef.\r\n"
              " t^0\t   0.00000000E+00\r\n t^-1\t   0.00000000E+00\r\n t^-2\t   4.00000000E+00\r\n"
              "\r\n*** polynomial of degree -3 ***\r\nTerm\tCoef.\r\n"
              " t^0\t   0.00000000E+00\r\n t^-1\t   2.00000000E+00\r\n t^-2\t   0.00000000E+00\r\n"
              " t^-3\t   1.60000000E+01\r\n",
              write_file(3, 1, 0));
}

TEST(SchlaefliFile, JapaneseDegreeZero)
{
    EXPECT_EQ("シュレフリ多項式\r\n"
              "\r\n*** 0次の多項式 ***\r\n項\t係数\r\n"
              " t^0\t   0.00000000E+00\r\n",
              write_file(0, 0, 1));
}

TEST(SchlaefliFile, DegreeHundred)
{
    std::string bytes = write_file(100, 0, 0);
    EXPECT_NE(std::string::npos, bytes.find("*** polynomial of degree -100 ***"));
    EXPECT_NE(std::string::npos, bytes.find("\r\n t^-100\t"));
    EXPECT_EQ(std::string::npos, bytes.find("-0.00000000E+00"));
}
