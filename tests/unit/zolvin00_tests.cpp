// The Bernoulli numbers and the Bernoulli polynomials B(n;x).
#include <gtest/gtest.h>

#include <cmath>

#include "bernoulli_number.h"
#include "bernoulli_polynomial.h"
#include "coefficient_checks.h"
#include "file_capture.h"
#include "printed_references.h"

TEST(BernoulliNumber, ExactValuesAsNearestDoubles)
{
    const struct {
        int n;
        double value;
    } cases[] = {
        {0, 1.0}, {1, -0.5}, {2, 1.0 / 6}, {3, 0.0}, {4, -1.0 / 30}, {6, 1.0 / 42}, {8, -1.0 / 30},
        {12, -691.0 / 2730}, {14, 7.0 / 6}, {21, 0.0}, {101, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.value, bernoulli_number(c.n)) << "B_" << c.n;
    // the nearest doubles of the exact B_100 (denominator 33330) and B_102 (4326)
    EXPECT_NEAR(1.0, bernoulli_number(100) / -2.8382249570693707e78, 2.3e-16);
    EXPECT_NEAR(1.0, bernoulli_number(102) / 7.406424897967885e80, 2.3e-16);
}

TEST(BernoulliPolynomial, SmallDegrees)
{
    const struct {
        int n;
        long double row[5];
    } cases[] = {
        {0, {1}},
        {1, {-0.5L, 1}},
        {2, {1.0L / 6, -1, 1}},
        {3, {0, 0.5L, -1.5L, 1}},
        {4, {-1.0L / 30, 0, 1, -2, 1}},
    };
    for (const auto &c : cases) {
        compute_table(c.n);
        expect_coefficients(c.row, c.n, 1e-15L);
    }
}

TEST(BernoulliPolynomial, LeadingOneAndExactZeros)
{
    for (int n = 0; n <= 100; n++) {
        compute_table(n);
        EXPECT_EQ(1.0L, coefficients[n]) << n;
        for (int j = n - 3; j >= 0; j -= 2)  // the odd Bernoulli indices n - j above 1
            EXPECT_EQ(0.0L, coefficients[j]) << "n=" << n << " X^" << j;
    }
}

// Every printed digit of every degree is that of the exact rational value.
TEST(BernoulliPolynomial, PrintedDigitsAreExact)
{
    PrintedReferences references = read_printed_references(ZOLVIN00_REFERENCES);
    ASSERT_EQ(5151u, references.size());
    for (int n = 0; n <= 100; n++) {
        compute_table(n);
        expect_printed_row(references, n, n);
    }
}

TEST(BernoulliPolynomial, FileOfDegreesZeroToOne)
{
    EXPECT_EQ("BERNOULLI POLYNOMIAL\r\n"
              "\r\n*** polynomial of degree 0 ***\r\nTerm\tCoef.\r\n X^0\t   1.00000000E+00\r\n"
              "\r\n*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n X^0\t  -5.00000000E-01\r\n"
              " X^1\t   1.00000000E+00\r\n",
              capture_tables(1, 1, 0, 0));
    std::string japanese = capture_tables(2, 0, 0, 1);
    EXPECT_EQ(0u, japanese.find("ベルヌーイ多項式\r\n\r\n*** 2次の多項式 ***\r\n項\t係数\r\n"));
}
