// The polynomial part p(m,n;x) of the associated Legendre functions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "associated_legendre.h"
#include "calc_state.h"
#include "file_capture.h"
#include "legendre_reference.h"

static std::vector<long double> table_of(int m, int n)
{
    compute_table(m, n);
    return std::vector<long double>(coefficients, coefficients + TABLE_SLOTS);
}

// Each coefficient is the exponential of a double sum of at most 4n
// logarithms whose partial sums stay below ln (2n)!: its relative error is at
// most half a unit in the last place of ln (2n)! a step, plus the 80-bit
// exponential's own (below 1e-17).
static long double tolerance(int n)
{
    double largest = lgamma(2.0 * n + 1) + 1;
    return 4 * n * 0.5 * (nextafter(largest, 1e300) - largest) + 1e-17L;
}

static long double relative_difference(long double value, long double reference)
{
    return fabsl(value / reference - 1);
}

TEST(AssociatedLegendre, SmallPairsByHand)
{
    std::vector<long double> p = table_of(1, 2);  // 3x
    EXPECT_EQ(0.0L, p[0]);
    EXPECT_NEAR(3.0L, p[1], 1e-15L);
    p = table_of(1, 3);  // 7.5x^2 - 1.5
    EXPECT_NEAR(-1.5L, p[0], 1e-15L);
    EXPECT_EQ(0.0L, p[1]);
    EXPECT_NEAR(7.5L, p[2], 1e-14L);
    p = table_of(2, 3);  // 15x
    EXPECT_NEAR(15.0L, p[1], 1e-14L);
    p = table_of(0, 0);
    EXPECT_EQ(1.0L, p[0]);
    for (int i = 3; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, table_of(1, 3)[i]) << i;
}

TEST(AssociatedLegendre, OrderZeroIsTheLegendrePolynomial)
{
    for (int n = 0; n <= 100; n++) {
        std::vector<long double> p = table_of(0, n);
        std::vector<long double> reference = legendre_reference(n);
        for (int i = n; i >= 0; i -= 2) {
            EXPECT_LE(relative_difference(p[i], reference[i]), tolerance(n)) << "n=" << n << " i=" << i;
            if (i > 0) {
                EXPECT_EQ(0.0L, p[i - 1]);
            }
        }
    }
}

// p(m+1,n;x) is the derivative of p(m,n;x): coefficient i of the one is
// (i+1) times coefficient i+1 of the other.
TEST(AssociatedLegendre, EachOrderIsTheDerivativeOfTheOneBefore)
{
    for (int n = 1; n <= 100; n++) {
        std::vector<long double> lower = table_of(0, n);
        for (int m = 1; m <= n; m++) {
            std::vector<long double> higher = table_of(m, n);
            for (int i = 0; i <= n - m; i++) {
                long double derivative = (i + 1) * lower[i + 1];
                if (derivative == 0)
                    ASSERT_EQ(0.0L, higher[i]) << "m=" << m << " n=" << n << " i=" << i;
                else
                    ASSERT_LE(relative_difference(higher[i], derivative), 2 * tolerance(n))
                        << "m=" << m << " n=" << n << " i=" << i;
            }
            for (int i = n - m + 1; i < TABLE_SLOTS; i++)
                ASSERT_EQ(0.0L, higher[i]);
            lower = higher;
        }
    }
}

TEST(AssociatedLegendre, OrderEqualToDegreeIsTheOddFactorial)
{
    for (int n = 0; n <= 100; n++) {
        long double odd_factorial = 1;  // (2n-1)!! = (2n)! / (2^n n!)
        for (int i = 1; i <= n; i++)
            odd_factorial *= 2 * i - 1;
        EXPECT_LE(relative_difference(table_of(n, n)[0], odd_factorial), tolerance(n)) << n;
    }
}

TEST(AssociatedLegendre, OrderAboveDegreeIsZero)
{
    table_of(2, 60);
    for (long double c : table_of(5, 3))
        ASSERT_EQ(0.0L, c);
    for (long double c : table_of(100, 0))
        ASSERT_EQ(0.0L, c);
}

static std::string write_file(int m, int n, int all, int japanese)
{
    order_m = m;
    output_all_degrees = all;
    std::string bytes = capture_tables(n, all, 0, japanese);
    order_m = 0;
    output_all_degrees = 0;
    return bytes;
}

static const char *const TITLE_BLOCK = "ASSOCIATED LEGENDRE POLYNOMIAL P(m,n;x)\r\n"
                                       "   Note: P(m,n;x) = (1-x*x)^(m/2) * p(m,n;x)\r\n";

TEST(AssociatedLegendreFile, OrderAboveDegreeWritesOneZeroRow)
{
    EXPECT_EQ(std::string(TITLE_BLOCK) +
                  "\r\n*** polynomial p(5,3;x) ***\r\n"
                  "Term\tCoef.\r\n"
                  " X^0\t   0.00000000E+00\r\n",
              write_file(5, 3, 0, 0));
}

TEST(AssociatedLegendreFile, AllPairsUpToDegreeTwoInOrder)
{
    EXPECT_EQ(std::string(TITLE_BLOCK) +
                  "\r\n*** polynomial p(0,0;x) ***\r\nTerm\tCoef.\r\n X^0\t   1.00000000E+00\r\n"
                  "\r\n*** polynomial p(0,1;x) ***\r\nTerm\tCoef.\r\n X^0\t   0.00000000E+00\r\n"
                  " X^1\t   1.00000000E+00\r\n"
                  "\r\n*** polynomial p(1,1;x) ***\r\nTerm\tCoef.\r\n X^0\t   1.00000000E+00\r\n"
                  "\r\n*** polynomial p(0,2;x) ***\r\nTerm\tCoef.\r\n X^0\t  -5.00000000E-01\r\n"
                  " X^1\t   0.00000000E+00\r\n X^2\t   1.50000000E+00\r\n"
                  "\r\n*** polynomial p(1,2;x) ***\r\nTerm\tCoef.\r\n X^0\t   0.00000000E+00\r\n"
                  " X^1\t   3.00000000E+00\r\n"
                  "\r\n*** polynomial p(2,2;x) ***\r\nTerm\tCoef.\r\n X^0\t   3.00000000E+00\r\n",
              write_file(1, 2, 1, 0));  // the chosen order does not limit the pairs
    EXPECT_EQ(6, tables_written);
}

TEST(AssociatedLegendreFile, JapanesePairHeading)
{
    // ルジャンドル陪多項式 P(m,n;x) / 注：... / *** p(2,3;x) 多項式 *** / 項 係数
    EXPECT_EQ("\x83\x8b\x83\x57\x83\x83\x83\x93\x83\x68\x83\x8b\x94\x86\x91\xbd\x8d\x80\x8e\xae P(m,n;x)\r\n"
              "   \x92\x8d\x81\x46P(m,n;x) = (1-x*x)^(m/2) * p(m,n;x)\r\n"
              "\r\n*** p(2,3;x) \x91\xbd\x8d\x80\x8e\xae ***\r\n"
              "\x8d\x80\t\x8c\x57\x90\x94\r\n"
              " X^0\t   0.00000000E+00\r\n"
              " X^1\t   1.50000000E+01\r\n",
              write_file(2, 3, 0, 1));
}

// Every pair m' <= n' <= 100 writes n' - m' + 1 rows: (n+1)(n+2)(n+3)/6 rows
// in all, 176851, and the space asked for must cover them.
TEST(AssociatedLegendreFile, SpaceEstimateCoversEveryPairWritten)
{
    std::string bytes = write_file(0, 100, 1, 0);
    EXPECT_EQ(101u * 102 / 2, count_occurrences(bytes, "*** polynomial p("));
    EXPECT_EQ(176851u, count_occurrences(bytes, " X^"));
    EXPECT_EQ(176851L * 100 + 1000, pair_size_estimate(0, 100, 1));
    EXPECT_LE((long)bytes.size(), pair_size_estimate(7, 100, 1));
    for (int n = 0; n <= 12; n++)
        EXPECT_LE((long)write_file(0, n, 1, 0).size(), pair_size_estimate(0, n, 1)) << n;
}

TEST(AssociatedLegendreFile, SpaceEstimateOfOnePair)
{
    EXPECT_EQ(1100L, pair_size_estimate(5, 3, 0));   // m > n: one row
    EXPECT_EQ(1800L, pair_size_estimate(3, 10, 0));  // d = 7: 8 rows
    order_m = 3;
    EXPECT_EQ(1800L, table_spec.estimate_bytes(10, 0));
    order_m = 0;
    EXPECT_LE((long)write_file(0, 100, 0, 1).size(), pair_size_estimate(0, 100, 0));
}
