// The shifted Legendre polynomials P*(n;x) = P(n;1-2x).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "file_capture.h"
#include "log_sum_tolerance.h"
#include "shifted_legendre.h"

static void compute(int n, int with_normalization)
{
    normalize = with_normalization;
    compute_table(n);
    normalize = 0;
}

TEST(ShiftedLegendre, SmallDegreesByHand)
{
    compute(0, 0);
    EXPECT_EQ(1.0L, coefficients[0]);
    compute(1, 0);
    EXPECT_EQ(1.0L, coefficients[0]);
    EXPECT_EQ(-2.0L, coefficients[1]);
    compute(2, 0);  // 1 - 6x + 6x^2
    EXPECT_EQ(1.0L, coefficients[0]);
    EXPECT_EQ(-6.0L, coefficients[1]);
    EXPECT_NEAR(6.0L, coefficients[2], 6.0L * 1e-14L);
    compute(3, 0);  // 1 - 12x + 30x^2 - 20x^3
    EXPECT_NEAR(-12.0L, coefficients[1], 1e-13L);
    EXPECT_NEAR(30.0L, coefficients[2], 1e-13L);
    EXPECT_NEAR(-20.0L, coefficients[3], 1e-13L);
    for (int i = 4; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, coefficients[i]);
}

TEST(ShiftedLegendre, NormalizedSmallDegrees)
{
    compute(0, 1);
    EXPECT_EQ(1.0L, coefficients[0]);
    compute(1, 1);
    EXPECT_EQ(-0.5L, coefficients[0]);
    EXPECT_EQ(1.0L, coefficients[1]);
    compute(2, 1);
    EXPECT_NEAR(1.0L / 6, coefficients[0], 1e-15L);
    EXPECT_NEAR(-1.0L, coefficients[1], 1e-15L);
    EXPECT_EQ(1.0L, coefficients[2]);
}

TEST(ShiftedLegendre, TableIsZeroedBeforeEachDegree)
{
    compute(50, 0);
    compute(3, 0);
    for (int i = 4; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, coefficients[i]) << i;
}

// Exact integers while they fit in 64 bits: C(n,m) C(n+m,m) by the recurrence.
static long double exact_coefficient(int n, int m)
{
    long double a = 1, b = 1;
    for (int i = 1; i <= m; i++) {
        a = a * (n - i + 1) / i;
        b = b * (n + m - i + 1) / i;
    }
    return (m % 2 ? -1 : 1) * a * b;
}

TEST(ShiftedLegendre, EveryCoefficientAgainstExactValuesUpToDegree100)
{
    for (int n = 0; n <= 100; n++) {
        compute(n, 0);
        for (int m = 0; m <= n; m++) {
            long double reference = exact_coefficient(n, m);
            EXPECT_NEAR(1.0L, coefficients[m] / reference, log_sum_tolerance(n, m) + log_sum_tolerance(n + m, m)) << "n=" << n << " m=" << m;
        }
    }
}

TEST(ShiftedLegendre, LeadingCoefficientAndValueAtOne)
{
    for (int n = 0; n <= 100; n++) {
        compute(n, 0);
        // leading coefficient (-1)^n C(2n, n)
        long double central = 1;
        for (int i = 1; i <= n; i++)
            central = central * (n + i) / i;
        long double sign = n % 2 ? -1 : 1;
        EXPECT_NEAR(1.0L, coefficients[n] / (sign * central), 2 * log_sum_tolerance(2 * n, n)) << n;
        // P*(n;1) = P(n;-1) = (-1)^n: the sum cancels terms up to 1e58, so the
        // bound is relative to the sum of their magnitudes
        long double sum = 0, magnitude = 0;
        for (int m = 0; m <= n; m++) {
            sum += coefficients[m];
            magnitude += fabsl(coefficients[m]);
        }
        EXPECT_LE(fabsl(sum - sign), 2 * log_sum_tolerance(2 * n, n) * magnitude) << n;
    }
}

TEST(ShiftedLegendre, NormalizationSetsLeadingOneExactly)
{
    for (int n = 0; n <= 100; n++) {
        compute(n, 0);
        long double lead = coefficients[n];
        long double first = coefficients[0];
        compute(n, 1);
        EXPECT_EQ(1.0L, coefficients[n]) << n;
        EXPECT_EQ(first / lead, coefficients[0]) << n;
    }
}

static std::string write_file(int n, int all, int with_normalization, int japanese)
{
    return capture_tables(n, all, with_normalization, japanese);
}

TEST(ShiftedLegendreFile, DegreeOneInEnglish)
{
    EXPECT_EQ("LEGENDRE POLYNOMIAL [II]\r\n"
              "\r\n*** polynomial of degree 1 ***\r\n"
              "Term\tCoef.\r\n"
              " X^0\t   1.00000000E+00\r\n"
              " X^1\t  -2.00000000E+00\r\n",
              write_file(1, 0, 0, 0));
}

TEST(ShiftedLegendreFile, NormalizedDegreeOneInJapanese)
{
    // ルジャンドル多項式 [II] / 注：係数は基準化されています. / *** 1次の多項式 *** / 項 係数
    EXPECT_EQ("\x83\x8b\x83\x57\x83\x83\x83\x93\x83\x68\x83\x8b\x91\xbd\x8d\x80\x8e\xae [II]\r\n"
              "\r\n\x92\x8d\x81\x46\x8c\x57\x90\x94\x82\xcd\x8a\xee\x8f\x80\x89\xbb\x82\xb3\x82\xea\x82\xc4"
              "\x82\xa2\x82\xdc\x82\xb7.\r\n"
              "\r\n*** 1\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n"
              "\x8d\x80\t\x8c\x57\x90\x94\r\n"
              " X^0\t  -5.00000000E-01\r\n"
              " X^1\t   1.00000000E+00\r\n",
              write_file(1, 0, 1, 1));
}

TEST(ShiftedLegendreFile, AllDegreesZeroToTwo)
{
    EXPECT_EQ("LEGENDRE POLYNOMIAL [II]\r\n"
              "\r\n*** polynomial of degree 0 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   1.00000000E+00\r\n"
              "\r\n*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   1.00000000E+00\r\n X^1\t  -2.00000000E+00\r\n"
              "\r\n*** polynomial of degree 2 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   1.00000000E+00\r\n X^1\t  -6.00000000E+00\r\n X^2\t   6.00000000E+00\r\n",
              write_file(2, 1, 0, 0));
}

TEST(ShiftedLegendreFile, AllDegreesToHundredNormalized)
{
    std::string bytes = write_file(100, 1, 1, 0);
    auto count = [&](const std::string &what) { return count_occurrences(bytes, what); };
    EXPECT_EQ(1u, count("LEGENDRE POLYNOMIAL [II]\r\n"));
    EXPECT_EQ(1u, count("Note: Coefficients are normalized."));
    EXPECT_EQ(101u, count("*** polynomial of degree"));
    EXPECT_EQ(101u * 102 / 2, count(" X^"));
    EXPECT_EQ(std::string(" X^100\t   1.00000000E+00\r\n"), bytes.substr(bytes.size() - 26));
    EXPECT_EQ(0u, count("-0.00000000E+00"));
}
