// The Lommel polynomials R(a,n;z), polynomials in 1/z.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "file_capture.h"
#include "lommel.h"
#include "one_parameter.h"

TEST(LommelFactors, SignAndExactZero)
{
    // (a + s) ... (a + n - s - 1) with a = -2.5, n = 4, s = 0: (-2.5)(-1.5)(-0.5)(0.5)
    EXPECT_NEAR(log(0.9375), log_lommel_factors(-2.5, 4, 0), 1e-15);
    EXPECT_EQ(-1, lommel_factor_sign);
    EXPECT_EQ(0.0, log_lommel_factors(3, 4, 2));  // no factors
    EXPECT_EQ(1, lommel_factor_sign);
    log_lommel_factors(-2, 5, 0);  // (-2)(-1)(0)(1)(2)
    EXPECT_EQ(100, lommel_factor_sign);
    log_lommel_factors(-2, 5, 1);  // (-1)(0)(1)
    EXPECT_EQ(100, lommel_factor_sign);
    log_lommel_factors(-2, 5, 3);  // s = 3 > n - s: no factors
    EXPECT_EQ(1, lommel_factor_sign);
}

TEST(Lommel, SmallDegreesByHand)
{
    compute_table(7.5, 0);
    EXPECT_EQ(1.0L, coefficients[0]);
    compute_table(1, 2);  // 8/z^2 - 1
    EXPECT_NEAR(-1.0L, coefficients[0], 1e-15L);
    EXPECT_EQ(0.0L, coefficients[1]);
    EXPECT_NEAR(8.0L, coefficients[2], 8e-15L);
    compute_table(0.5, 1);  // 2a / z
    EXPECT_EQ(0.0L, coefficients[0]);
    EXPECT_NEAR(1.0L, coefficients[1], 1e-15L);
    compute_table(-2, 3);  // the factor 0 removes z^-3: R = 4/z
    EXPECT_EQ(0.0L, coefficients[3]);
    EXPECT_EQ(0.0L, coefficients[2]);
    EXPECT_NEAR(4.0L, coefficients[1], 4e-15L);
    EXPECT_EQ(0.0L, coefficients[0]);
    for (int i = 4; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, coefficients[i]);
}

// R(a,n+1;z) = 2(n + a)/z R(a,n;z) - R(a,n-1;z), with R(a,0;z) = 1 and
// R(a,1;z) = 2a/z, run in extended precision beside a bound on the
// magnitudes it adds. The computed coefficients are exponentials of sums of
// up to some 300 logarithms near 460 in size: relative deviations of 1e-11.
TEST(Lommel, ThreeTermRecurrenceForEveryDegree)
{
    for (double a : {1.0, 0.5, -0.5, 2.75, -4.0, -9.5, 10.0, -10.0}) {
        long double previous[TABLE_SLOTS] = {0}, current[TABLE_SLOTS] = {1}, next[TABLE_SLOTS] = {0};
        long double previous_size[TABLE_SLOTS] = {0}, size[TABLE_SLOTS] = {1}, next_size[TABLE_SLOTS] = {0};
        for (int n = 0; n <= 100; n++) {
            compute_table(a, n);
            for (int k = 0; k <= n; k++) {
                if (current[k] == 0 && size[k] == 0)
                    EXPECT_EQ(0.0L, coefficients[k]) << "a=" << a << " n=" << n << " k=" << k;
                else
                    EXPECT_NEAR(current[k], coefficients[k], 1e-10L * size[k]) << "a=" << a << " n=" << n << " k=" << k;
            }
            // R(a,-1;z) = 0 makes the first step R(a,1;z) = 2a/z
            long double factor = 2 * (n + (long double)a);
            for (int k = 0; k <= n + 1; k++) {
                long double lower = k > 0 ? current[k - 1] : 0, lower_size = k > 0 ? size[k - 1] : 0;
                next[k] = factor * lower - previous[k];
                next_size[k] = fabsl(factor) * lower_size + previous_size[k];
            }
            for (int k = 0; k < TABLE_SLOTS; k++) {
                previous[k] = current[k];
                current[k] = next[k];
                previous_size[k] = size[k];
                size[k] = next_size[k];
            }
        }
    }
}

// With a a non-positive integer the recurrence meets exact zeros: each
// vanishing factor product must give an exact zero, never a rounded one.
TEST(Lommel, IntegralParameterZerosAreExact)
{
    for (double a : {0.0, -1.0, -3.0, -10.0}) {
        long double previous[TABLE_SLOTS] = {0}, current[TABLE_SLOTS] = {1}, next[TABLE_SLOTS] = {0};
        for (int n = 0; n <= 24; n++) {  // small integers: the recurrence is exact
            compute_table(a, n);
            for (int k = 0; k <= n; k++)
                if (current[k] == 0)
                    EXPECT_EQ(0.0L, coefficients[k]) << "a=" << a << " n=" << n << " k=" << k;
                else
                    EXPECT_NEAR(1.0L, coefficients[k] / current[k], 1e-12L) << "a=" << a << " n=" << n << " k=" << k;
            for (int k = 0; k <= n + 1; k++)
                next[k] = 2 * (n + (long double)a) * (k > 0 ? current[k - 1] : 0) - previous[k];
            for (int k = 0; k < TABLE_SLOTS; k++) {
                previous[k] = current[k];
                current[k] = next[k];
            }
        }
    }
}

static std::string write_file(double a, int n, int all, int japanese)
{
    param_a = a;
    return capture_tables(n, all, 0, japanese);
}

TEST(LommelFile, NegatedDegreesAndPowersOfZ)
{
    // degree 0 reads 0, never -0
    EXPECT_EQ("LOMMEL POLYNOMIAL\r\n\r\na = 1\r\n"
              "\r\n*** polynomial of degree 0 ***\r\nTerm\tCoef.\r\n"
              " z^0\t   1.00000000E+00\r\n"
              "\r\n*** polynomial of degree -1 ***\r\nTerm\tCoef.\r\n"
              " z^0\t   0.00000000E+00\r\n z^-1\t   2.00000000E+00\r\n"
              "\r\n*** polynomial of degree -2 ***\r\nTerm\tCoef.\r\n"
              " z^0\t  -1.00000000E+00\r\n z^-1\t   0.00000000E+00\r\n z^-2\t   8.00000000E+00\r\n",
              write_file(1, 2, 1, 0));
}

TEST(LommelFile, JapaneseDegreeZero)
{
    // ロンメル多項式 / *** 0次の多項式 *** / 項 係数
    EXPECT_EQ("\x83\x8d\x83\x93\x83\x81\x83\x8b\x91\xbd\x8d\x80\x8e\xae\r\n\r\na = -0.25\r\n"
              "\r\n*** 0\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n\x8d\x80\t\x8c\x57\x90\x94\r\n"
              " z^0\t   1.00000000E+00\r\n",
              write_file(-0.25, 0, 0, 1));
}
