// The extended exponential against the C library's expl.
#include <gtest/gtest.h>

#include <cmath>

#include "exp_extended.h"

// The reduction subtracts k times the double nearest ln 2, which lies about
// 2.3e-17 below ln 2: that shifts r, and so the result's relative error, by
// up to |k| * 2.3e-17. The continued fraction and the final division add a
// few units of the last place (2^-63 = 1.1e-19).
static long double tolerance(long double x)
{
    long double k = fabsl(x) * 1.4426950408889634L + 1;
    return k * 2.4e-17L + 8 * 1.1e-19L;
}

static void expect_close_to_expl(long double x)
{
    long double reference = expl(x);
    long double value = exp_extended(x);
    EXPECT_LE(fabsl(value / reference - 1), tolerance(x)) << "x = " << (double)x;
}

TEST(ExpExtended, ZeroGivesExactlyOne)
{
    EXPECT_EQ(1.0L, exp_extended(0.0L));
}

TEST(ExpExtended, AgreesWithExplOverTheWholeDomain)
{
    // |x| < 5677.9, that is |k| < 8192; steps that are not multiples of ln 2
    for (long double x = -5677.5L; x <= 5677.5L; x += 0.8713L)
        expect_close_to_expl(x);
    const long double ends[] = {5677.8L, -5677.8L, 1e-10L, -1e-10L, 0.3465L, -0.3466L};
    for (long double x : ends)
        expect_close_to_expl(x);
}

TEST(ExpExtended, FineGridNearZeroIsAlmostExact)
{
    // |x| < ln 2 / 2 reduces with k = 0: only the continued fraction's error is left
    for (long double x = -0.34L; x <= 0.34L; x += 1.0L / 1024)
        EXPECT_LE(fabsl(exp_extended(x) / expl(x) - 1), 1e-18L) << (double)x;
}

TEST(ExpExtended, ArgumentsThatTheTablesUse)
{
    // the logarithm of C(50,25) = 126410606437752 as a double: the result
    // comes close to the integer, not exactly onto it
    double log_c = log(126410606437752.0);
    long double value = exp_extended(log_c);
    EXPECT_NEAR(126410606437752.0L, value, 126410606437752.0L * 1e-14L);
    EXPECT_LE(fabsl(value / expl(log_c) - 1), tolerance(log_c));
    // 200!/100!, the largest value of the associated Legendre and spherical Bessel tables
    long double log_ratio = lgammal(201.0L) - lgammal(101.0L);
    EXPECT_LE(fabsl(exp_extended(log_ratio) / expl(log_ratio) - 1), tolerance(log_ratio));
}

TEST(ExpExtended, NegativeArgumentsRoundHalfAwayFromZero)
{
    // -0.3 reduces with k = 0, -0.5 with k = -1 (r = -0.5 + ln 2): both give e^x
    expect_close_to_expl(-0.3L);
    expect_close_to_expl(-0.5L);
    EXPECT_LT(exp_extended(-0.5L), 1.0L);
}

TEST(ScaleByPowerOfTwo, ExactPowers)
{
    EXPECT_EQ(0.75L, scale_by_power_of_two(3.0L, -2));
    EXPECT_EQ(1.2345L, scale_by_power_of_two(1.2345L, 0));
    EXPECT_EQ(ldexpl(1.5L, 8191), scale_by_power_of_two(1.5L, 8191));
    EXPECT_EQ(ldexpl(1.5L, -8191), scale_by_power_of_two(1.5L, -8191));
    for (int k = -70; k <= 70; k++)
        EXPECT_EQ(ldexpl(-0.625L, k), scale_by_power_of_two(-0.625L, k)) << k;
}
