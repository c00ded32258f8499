// The product of linear factors multiplied out in extended precision.
#include <gtest/gtest.h>

#include "product_expansion.h"

TEST(ProductExpansion, EmptyProductAndOneFactor)
{
    long double product[4] = {9, 9, 9, 9};
    long double scratch[4];
    expand_linear_factors(nullptr, 0, product, scratch);
    EXPECT_EQ(1.0L, product[0]);
    EXPECT_EQ(9.0L, product[1]);  // beyond the product nothing is touched

    double c[] = {-2.5};
    expand_linear_factors(c, 1, product, scratch);
    EXPECT_EQ(-2.5L, product[0]);
    EXPECT_EQ(1.0L, product[1]);
    EXPECT_EQ(9.0L, product[2]);
}

TEST(ProductExpansion, ThreeFactorsByHand)
{
    // (x + 0.5)(x - 2)(x + 3) = x^3 + 1.5x^2 - 5.5x - 3
    double c[] = {0.5, -2, 3};
    long double product[4] = {7, 7, 7, 7};  // stale values from an earlier product
    long double scratch[4] = {5, 5, 5, 5};
    expand_linear_factors(c, 3, product, scratch);
    EXPECT_EQ(-3.0L, product[0]);
    EXPECT_EQ(-5.5L, product[1]);
    EXPECT_EQ(1.5L, product[2]);
    EXPECT_EQ(1.0L, product[3]);
}

TEST(ProductExpansion, ValueAtAPointIsTheProductOfTheFactors)
{
    double c[] = {0.25, -1.75, 3.5, -0.125, 2, -6};
    long double product[7], scratch[7];
    expand_linear_factors(c, 6, product, scratch);
    for (long double x = -3; x <= 3; x += 0.5L) {
        long double expected = 1, value = 0, power = 1;
        for (double constant : c)
            expected *= x + constant;
        for (int e = 0; e <= 6; e++, power *= x)
            value += product[e] * power;
        EXPECT_NEAR(expected, value, 1e-15L * 1000) << x;
    }
}

// (x - 1)(x - 2)...(x - m): the coefficient of x^k is (-1)^(m-k) times the
// elementary symmetric sum e_(m-k) of 1..m, an integer below 2^64 for m <= 18,
// so that every step of the expansion is exact in extended precision.
TEST(ProductExpansion, FallingFactorsGiveStirlingNumbersExactly)
{
    for (int m = 1; m <= 18; m++) {
        unsigned long long e[20] = {1};  // e[j] = e_j(1..i) after i steps
        for (int i = 1; i <= m; i++)
            for (int j = i; j >= 1; j--)
                e[j] += e[j - 1] * (unsigned long long)i;
        double c[18];
        for (int k = 0; k < m; k++)
            c[k] = -(k + 1);
        long double product[19], scratch[19];
        expand_linear_factors(c, m, product, scratch);
        for (int k = 0; k <= m; k++) {
            long double expected = (long double)e[m - k];
            if ((m - k) % 2 == 1)
                expected = -expected;
            EXPECT_EQ(expected, product[k]) << "m=" << m << " k=" << k;
        }
    }
}
