// The polynomials W(n-1;z) of the Legendre function of the second kind.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "legendre_reference.h"
#include "log_sum_tolerance.h"
#include "w_polynomial.h"

static void compute(int n, int with_normalization)
{
    normalize = with_normalization;
    compute_table(n);
    normalize = 0;
}

// W(k;z) by the recurrence that P and Q share, and therefore W too:
// (k+1) W(k) = (2k+1) z W(k-1) - k W(k-2), W(-1) = 0, W(0) = 1.
static std::vector<long double> w_reference(int degree)
{
    std::vector<long double> previous(degree + 2, 0.0L), current(degree + 2, 0.0L), next(degree + 2, 0.0L);
    current[0] = 1.0L;
    for (int k = 1; k <= degree; k++) {
        for (int i = 0; i <= k; i++) {
            long double raised = i > 0 ? (2 * k + 1) * current[i - 1] : 0.0L;
            next[i] = (raised - k * previous[i]) / (k + 1);
        }
        previous = current;
        current = next;
    }
    current.resize(degree + 1);
    return current;
}

TEST(WPolynomial, SmallDegreesByHand)
{
    compute(1, 0);  // W(0) = 1
    EXPECT_EQ(1.0L, coefficients[0]);
    compute(2, 0);  // W(1) = 1.5 z
    EXPECT_EQ(0.0L, coefficients[0]);
    EXPECT_NEAR(1.5L, coefficients[1], 1e-15L);
    compute(3, 0);  // W(2) = 2.5 z^2 - 2/3
    EXPECT_NEAR(-2.0L / 3, coefficients[0], 1e-15L);
    EXPECT_EQ(0.0L, coefficients[1]);
    EXPECT_NEAR(2.5L, coefficients[2], 1e-15L);
    compute(4, 0);  // W(3) = 35/8 z^3 - 55/24 z
    EXPECT_NEAR(-55.0L / 24, coefficients[1], 1e-14L);
    EXPECT_NEAR(35.0L / 8, coefficients[3], 1e-14L);
    for (int i = 4; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, coefficients[i]) << i;
}

TEST(WPolynomial, EveryCoefficientAgainstTheRecurrenceUpToDegree100)
{
    for (int n = 1; n <= 101; n++) {
        compute(n, 0);
        std::vector<long double> reference = w_reference(n - 1);
        // the weighted Legendre coefficients partly cancel: bound the error by
        // the sum of their magnitudes, each as exact as a Legendre table
        std::vector<long double> magnitude(n, 0.0L);
        for (int j = 0; 2 * j <= n - 1; j++) {
            std::vector<long double> p = legendre_reference(n - 2 * j - 1);
            long double weight = (2.0L * n - 4 * j - 1) / ((2.0L * j + 1) * (n - j));
            for (size_t i = 0; i < p.size(); i++)
                magnitude[i] += fabsl(weight * p[i]);
        }
        long double tolerance = log_sum_tolerance(2 * n, n) + log_sum_tolerance(n / 2, n / 2) + 1e-17L;
        for (int i = 0; i < n; i++)
            EXPECT_LE(fabsl(coefficients[i] - reference[i]), tolerance * magnitude[i]) << "n=" << n << " i=" << i;
        for (int i = n; i < TABLE_SLOTS; i++)
            ASSERT_EQ(0.0L, coefficients[i]) << "n=" << n << " i=" << i;
    }
}

TEST(WPolynomial, OnlyPowersOfTheParityOfTheDegree)
{
    for (int n = 1; n <= 101; n++) {
        compute(n, 0);
        for (int i = n % 2; i < n; i += 2)
            ASSERT_EQ(0.0L, coefficients[i]) << "n=" << n << " i=" << i;
    }
}

TEST(WPolynomial, NormalizationSetsLeadingOneExactly)
{
    for (int n = 1; n <= 101; n++) {
        compute(n, 0);
        CoefficientTable raw;
        for (int i = 0; i < TABLE_SLOTS; i++)
            raw[i] = coefficients[i];
        compute(n, 1);
        EXPECT_EQ(1.0L, coefficients[n - 1]) << n;
        for (int i = 0; i < n - 1; i++)
            ASSERT_EQ(raw[i] / raw[n - 1], coefficients[i]) << n << " " << i;
    }
}

static std::string write_file(int n, int all, int with_normalization, int japanese)
{
    return capture_tables(n, all, with_normalization, japanese);
}

TEST(WPolynomialFile, ListValueOneWritesDegreeZero)
{
    EXPECT_EQ("LEGENDRE POLYNOMIAL [III]\r\n"
              "\r\n*** polynomial of degree 0 ***\r\n"
              "Term\tCoef.\r\n"
              " Z^0\t   1.00000000E+00\r\n",
              write_file(1, 0, 0, 0));
}

TEST(WPolynomialFile, AllDegreesOfListValueThreeNormalizedInJapanese)
{
    // ルジャンドル多項式 [III], the note, then the blocks of W(0), W(1), W(2)
    EXPECT_EQ("\x83\x8b\x83\x57\x83\x83\x83\x93\x83\x68\x83\x8b\x91\xbd\x8d\x80\x8e\xae [III]\r\n"
              "\r\n\x92\x8d\x81\x46\x8c\x57\x90\x94\x82\xcd\x8a\xee\x8f\x80\x89\xbb\x82\xb3\x82\xea\x82\xc4"
              "\x82\xa2\x82\xdc\x82\xb7.\r\n"
              "\r\n*** 0\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n\x8d\x80\t\x8c\x57\x90\x94\r\n"
              " Z^0\t   1.00000000E+00\r\n"
              "\r\n*** 1\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n\x8d\x80\t\x8c\x57\x90\x94\r\n"
              " Z^0\t   0.00000000E+00\r\n Z^1\t   1.00000000E+00\r\n"
              "\r\n*** 2\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n\x8d\x80\t\x8c\x57\x90\x94\r\n"
              " Z^0\t  -2.66666667E-01\r\n Z^1\t   0.00000000E+00\r\n Z^2\t   1.00000000E+00\r\n",
              write_file(3, 1, 1, 1));
}

TEST(WPolynomialFile, ListValue101WritesDegree100)
{
    std::string bytes = write_file(101, 0, 0, 0);
    EXPECT_NE(std::string::npos, bytes.find("*** polynomial of degree 100 ***"));
    EXPECT_NE(std::string::npos, bytes.find(" Z^99\t   0.00000000E+00\r\n Z^100\t"));
    EXPECT_EQ(std::string::npos, bytes.find(" Z^101"));
}

TEST(WPolynomialFile, SpaceEstimateCountsTheListValue)
{
    EXPECT_EQ((1L + 1) * 100 + 1000, table_spec.estimate_bytes(1, 0));
    EXPECT_EQ(102L * 103 / 2 * 100 + 1000, table_spec.estimate_bytes(101, 1));
}
