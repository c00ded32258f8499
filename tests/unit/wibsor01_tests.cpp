// The Legendre polynomials P(n;x).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "file_capture.h"
#include "legendre.h"
#include "legendre_reference.h"
#include "log_sum_tolerance.h"

static void compute(int n, int with_normalization)
{
    normalize = with_normalization;
    compute_table(n);
    normalize = 0;
}

// The relative error of coefficient x^(n-2m): the logarithm sums of
// (2n-1)!! and n! (n steps each, partial sums below n ln 2n) and of m!.
static long double tolerance(int n, int m)
{
    return log_sum_tolerance(2 * n, n) + log_sum_tolerance(m, m) + 1e-17L;
}

TEST(Legendre, SmallDegreesByHand)
{
    compute(0, 0);
    EXPECT_EQ(1.0L, coefficients[0]);
    compute(1, 0);
    EXPECT_EQ(0.0L, coefficients[0]);
    EXPECT_NEAR(1.0L, coefficients[1], 1e-15L);
    compute(2, 0);  // (3x^2 - 1) / 2
    EXPECT_NEAR(-0.5L, coefficients[0], 1e-15L);
    EXPECT_EQ(0.0L, coefficients[1]);
    EXPECT_NEAR(1.5L, coefficients[2], 1e-15L);
    compute(3, 0);  // (5x^3 - 3x) / 2
    EXPECT_NEAR(-1.5L, coefficients[1], 1e-15L);
    EXPECT_NEAR(2.5L, coefficients[3], 1e-15L);
    compute(4, 0);  // (35x^4 - 30x^2 + 3) / 8
    EXPECT_NEAR(0.375L, coefficients[0], 1e-15L);
    EXPECT_NEAR(-3.75L, coefficients[2], 1e-14L);
    EXPECT_NEAR(4.375L, coefficients[4], 1e-14L);
    for (int i = 5; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, coefficients[i]) << i;
}

TEST(Legendre, EveryCoefficientAgainstTheRecurrenceUpToDegree100)
{
    for (int n = 0; n <= 100; n++) {
        compute(n, 0);
        std::vector<long double> reference = legendre_reference(n);
        for (int m = 0; 2 * m <= n; m++) {
            int i = n - 2 * m;
            EXPECT_NEAR(1.0L, coefficients[i] / reference[i], tolerance(n, m)) << "n=" << n << " i=" << i;
            if (i > 0) {
                EXPECT_EQ(0.0L, coefficients[i - 1]) << "n=" << n << " other parity at " << i - 1;
            }
        }
        for (int i = n + 1; i < TABLE_SLOTS; i++)
            ASSERT_EQ(0.0L, coefficients[i]) << "n=" << n << " i=" << i;
    }
}

TEST(Legendre, ValueAtOneIsOne)
{
    for (int n = 0; n <= 100; n++) {
        compute(n, 0);
        // the sum cancels terms up to 1e29: bound it by the sum of their magnitudes
        long double sum = 0, magnitude = 0;
        for (int i = 0; i <= n; i++) {
            sum += coefficients[i];
            magnitude += fabsl(coefficients[i]);
        }
        EXPECT_LE(fabsl(sum - 1), tolerance(n, n / 2) * magnitude) << n;
    }
}

TEST(Legendre, NormalizationSetsLeadingOneExactly)
{
    for (int n = 0; n <= 100; n++) {
        compute(n, 0);
        CoefficientTable raw;
        for (int i = 0; i < TABLE_SLOTS; i++)
            raw[i] = coefficients[i];
        compute(n, 1);
        EXPECT_EQ(1.0L, coefficients[n]) << n;
        for (int i = 0; i < n; i++)
            ASSERT_EQ(raw[i] / raw[n], coefficients[i]) << n << " " << i;
    }
}

static std::string write_file(int n, int all, int with_normalization, int japanese)
{
    return capture_tables(n, all, with_normalization, japanese);
}

TEST(LegendreFile, DegreeTwoInEnglish)
{
    EXPECT_EQ("LEGENDRE POLYNOMIAL\r\n"
              "\r\n*** polynomial of degree 2 ***\r\n"
              "Term\tCoef.\r\n"
              " X^0\t  -5.00000000E-01\r\n"
              " X^1\t   0.00000000E+00\r\n"
              " X^2\t   1.50000000E+00\r\n",
              write_file(2, 0, 0, 0));
}

TEST(LegendreFile, NormalizedDegreeZeroInJapanese)
{
    // ルジャンドル多項式 / 注：係数は基準化されています. / *** 0次の多項式 *** / 項 係数
    EXPECT_EQ("\x83\x8b\x83\x57\x83\x83\x83\x93\x83\x68\x83\x8b\x91\xbd\x8d\x80\x8e\xae\r\n"
              "\r\n\x92\x8d\x81\x46\x8c\x57\x90\x94\x82\xcd\x8a\xee\x8f\x80\x89\xbb\x82\xb3\x82\xea\x82\xc4"
              "\x82\xa2\x82\xdc\x82\xb7.\r\n"
              "\r\n*** 0\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n"
              "\x8d\x80\t\x8c\x57\x90\x94\r\n"
              " X^0\t   1.00000000E+00\r\n",
              write_file(0, 0, 1, 1));
}

TEST(LegendreFile, AllDegreesToHundredNormalized)
{
    std::string bytes = write_file(100, 1, 1, 0);
    auto count = [&](const std::string &what) { return count_occurrences(bytes, what); };
    EXPECT_EQ(0u, bytes.find("LEGENDRE POLYNOMIAL\r\n\r\nNote: Coefficients are normalized.\r\n"
                             "\r\n*** polynomial of degree 0 ***\r\n"));
    EXPECT_EQ(1u, count("Note: Coefficients are normalized."));
    EXPECT_EQ(101u, count("*** polynomial of degree"));
    EXPECT_EQ(101u * 102 / 2, count(" X^"));
    std::string tail = " X^99\t   0.00000000E+00\r\n X^100\t   1.00000000E+00\r\n";
    EXPECT_EQ(tail, bytes.substr(bytes.size() - tail.size()));
    EXPECT_EQ(0u, count("-0.00000000E+00"));
}
