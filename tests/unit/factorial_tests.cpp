// Factorial-like numbers as sums of logarithms in double precision.
#include <gtest/gtest.h>

#include <cmath>

#include "factorials.h"
#include "log_sum_tolerance.h"

TEST(Binomial, SpecialCasesAreExact)
{
    EXPECT_EQ(1.0, binomial_coefficient(7, 0));
    EXPECT_EQ(7.0, binomial_coefficient(7, 1));
    EXPECT_EQ(1.0, binomial_coefficient(7, 7));
    EXPECT_EQ(200.0, binomial_coefficient(200, 1));
    EXPECT_EQ(1.0, binomial_coefficient(7, -1));  // both loops skipped: exp(0)
}

TEST(Binomial, NumeratorLogsFirstThenDenominatorLogsAscending)
{
    // the order of the double sums decides the last bits, and so the tables
    double s = 0.0;
    s = s + log(10.0);
    s = s + log(9.0);
    s = s + log(8.0);
    s = s - log(1.0);
    s = s - log(2.0);
    s = s - log(3.0);
    EXPECT_EQ(exp(s), binomial_coefficient(10, 3));
    EXPECT_NEAR(120.0, binomial_coefficient(10, 3), 120.0 * 8e-15);
}

// C(n, k) by the exact integer recurrence C(n, k) = C(n, k - 1) (n - k + 1) / k.
static long double exact_binomial(int n, int k)
{
    long double c = 1.0L;
    for (int i = 1; i <= k; i++)
        c = c * (n - i + 1) / i;  // exact while the values stay below 2^64
    return c;
}

TEST(Binomial, WithinTheLogSumAccuracyUpToDegree200)
{
    for (int n = 2; n <= 200; n++)
        for (int k = 0; k <= n; k++) {
            long double reference = exact_binomial(n, k);
            double value = binomial_coefficient(n, k);
            EXPECT_NEAR(1.0L, value / reference, log_sum_tolerance(n, k)) << "C(" << n << "," << k << ")";
        }
}

TEST(Factorials, LogSums)
{
    EXPECT_EQ(0.0, log_factorial(0));
    EXPECT_EQ(0.0, log_factorial(1));
    EXPECT_EQ(1.0, factorial_via_logs(0));
    EXPECT_EQ(1.0, factorial_via_logs(1));
    EXPECT_NEAR(3628800.0, factorial_via_logs(10), 3628800.0 * 1e-14);
    EXPECT_NEAR(log(120.0), factorial_by_log_sum(5, 0), 1e-14);
    EXPECT_NEAR(120.0, factorial_by_log_sum(5, 1), 120.0 * 1e-14);
    EXPECT_EQ(log_factorial(17), factorial_by_log_sum(17, 2));  // any mode but 1 gives the logarithm
    EXPECT_NEAR(9.33262154439441e157, factorial_via_logs(100), 9.33262154439441e157 * 1e-12);
}

TEST(Factorials, OddDoubleFactorial)
{
    EXPECT_EQ(1.0, double_factorial(0));
    EXPECT_EQ(1.0, double_factorial(-3));
    EXPECT_NEAR(15.0, double_factorial(3), 15.0 * 1e-14);
    EXPECT_NEAR(654729075.0, double_factorial(10), 654729075.0 * 1e-14);  // 19!!
}

TEST(Pochhammer, RatioOfRisingFactorials)
{
    EXPECT_EQ(1.0L, pochhammer_ratio(0.3, -2.5, 0.7, 0));
    EXPECT_EQ(1.0L, pochhammer_ratio(0.3, -2.5, 0.7, -4));
    // (1)_5 (1)_5 / (1)_5 = 5!
    EXPECT_NEAR(120.0L, pochhammer_ratio(1, 1, 1, 5), 1e-15L);
    // (a)_2 (b)_2 / (c)_2 with a = -1.5, b = -1, c = -2.5: (-1.5)(-0.5)(-1)(0) / ... = 0
    EXPECT_EQ(0.0L, pochhammer_ratio(-1.5, -1, -2.5, 2));
    // (0.5)_3 (2)_3 / (3)_3 = (0.5 * 1.5 * 2.5)(2 * 3 * 4) / (3 * 4 * 5)
    EXPECT_NEAR(1.875L * 24 / 60, pochhammer_ratio(0.5, 2, 3, 3), 1e-18L);
}

TEST(PowersOfTwo, LogarithmTimesK)
{
    EXPECT_EQ(0.0, log_power_of_two(0));
    EXPECT_EQ((double)((long double)log(2.0) * 10), log_power_of_two(10));
    EXPECT_NEAR(100 * M_LN2, log_power_of_two(100), 1e-13);
}
