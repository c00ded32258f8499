// The Gould polynomials G(a,b,n;x) = x (x - na - b) ... (x - na - (n-1)b).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "file_capture.h"
#include "gould.h"

// G(a,b,n;x) straight from its factors, in extended precision.
static long double product_value(double a, double b, int n, long double x)
{
    if (n == 0)
        return 1;
    long double value = x;
    for (int j = 1; j <= n - 1; j++)
        value *= x - (long double)n * a - (long double)j * b;
    return value;
}

// The table evaluated at x with its terms' magnitudes summed alongside.
static long double table_value(int n, long double x, long double *magnitude)
{
    long double value = 0, power = 1;
    *magnitude = 0;
    for (int i = 0; i <= n; i++) {
        value += coefficients[i] * power;
        *magnitude += fabsl(coefficients[i] * power);
        power *= x;
    }
    return value;
}

TEST(Gould, SmallDegreesByHand)
{
    compute_table(1.5, -0.25, 0);
    EXPECT_EQ(1.0L, coefficients[0]);
    compute_table(1.5, -0.25, 1);
    EXPECT_EQ(0.0L, coefficients[0]);
    EXPECT_EQ(1.0L, coefficients[1]);
    compute_table(1.5, -0.25, 2);  // x (x - 3 + 0.25)
    EXPECT_EQ(0.0L, coefficients[0]);
    EXPECT_EQ(-2.75L, coefficients[1]);
    EXPECT_EQ(1.0L, coefficients[2]);
    compute_table(1.5, -0.25, 3);  // x (x - 4.25)(x - 4): x^3 - 8.25 x^2 + 17 x
    EXPECT_EQ(0.0L, coefficients[0]);
    EXPECT_EQ(17.0L, coefficients[1]);
    EXPECT_EQ(-8.25L, coefficients[2]);
    EXPECT_EQ(1.0L, coefficients[3]);
    compute_table(1, 2, 4);  // x (x - 6)(x - 8)(x - 10) = x^4 - 24 x^3 + 188 x^2 - 480 x
    EXPECT_EQ(-480.0L, coefficients[1]);
    EXPECT_EQ(188.0L, coefficients[2]);
    EXPECT_EQ(-24.0L, coefficients[3]);
    EXPECT_EQ(1.0L, coefficients[4]);
    for (int i = 5; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, coefficients[i]);
}

TEST(Gould, FactorsAlternateBetweenBothEnds)
{
    compute_table(1, 2, 7);  // c_j = -7 - 2j
    const long double expected[] = {-9, -19, -11, -17, -13, -15};
    for (int k = 0; k < 6; k++)
        EXPECT_EQ(expected[k], gould_factors[k]) << k;
    EXPECT_EQ(0.0L, gould_factors[6]);
}

TEST(Gould, ZeroParametersGiveAPowerOfX)
{
    for (int n = 0; n <= 100; n++) {
        compute_table(0, 0, n);
        for (int i = 0; i <= 100; i++)
            EXPECT_EQ(i == n ? 1.0L : 0.0L, coefficients[i]) << "n=" << n << " i=" << i;
    }
}

TEST(Gould, ZeroBGivesXTimesAPowerOfALinearFactor)
{
    // x (x - na)^(n-1) with n a = 5, n - 1 = 9: C(9,k) (-5)^(9-k) x^(k+1), exact
    compute_table(0.5, 0, 10);
    long double binomial = 1;
    for (int k = 0; k <= 9; k++) {
        long double power = 1;
        for (int i = k; i < 9; i++)
            power *= -5;
        EXPECT_EQ(binomial * power, coefficients[k + 1]) << k;
        binomial = binomial * (9 - k) / (k + 1);
    }
}

TEST(Gould, EveryDegreeIsMonicWithoutConstantTermAndMatchesItsFactors)
{
    const double parameters[][2] = {{10, 10}, {-10, 10}, {0.3, -2.7}, {-10, -10}, {1, 0}, {2.5, -5}};
    const long double points[] = {-3.5L, 0.75L, 12.25L};
    for (const auto &p : parameters)
        for (int n = 0; n <= 100; n++) {
            compute_table(p[0], p[1], n);
            EXPECT_EQ(1.0L, coefficients[n]);
            if (n >= 1) {
                EXPECT_EQ(0.0L, coefficients[0]);
            }
            for (long double x : points) {
                long double magnitude;
                long double value = table_value(n, x, &magnitude);
                EXPECT_LE(fabsl(value - product_value(p[0], p[1], n, x)), 1e-16L * n * magnitude)
                    << "a=" << p[0] << " b=" << p[1] << " n=" << n << " x=" << (double)x;
            }
        }
}

TEST(Gould, SecondCoefficientIsMinusTheSumOfTheFactorConstants)
{
    // the coefficient of x^(n-1) is the sum of c_j = -n a - j b over j = 1..n-1
    compute_table(10, 10, 100);
    EXPECT_EQ(-(99.0L * 1000 + 4950.0L * 10), coefficients[99]);
    compute_table(-2.5, 0.5, 50);
    EXPECT_EQ(49.0L * 125 - 1225.0L * 0.5L, coefficients[49]);
}

TEST(Gould, CoefficientsBeyondTheRangeOfDoubleStayExtended)
{
    // a = b = 10, n = 100: the coefficient of x is the product over j = 1..99
    // of (-1000 - 10 j) = -10^99 * 199! / 100!, about -4.2e313
    compute_table(10, 10, 100);
    long double log_magnitude = 99 * logl(10.0L) + lgammal(200.0L) - lgammal(101.0L);
    ASSERT_TRUE(std::isfinite(coefficients[1]));
    EXPECT_LT(coefficients[1], 0);
    EXPECT_NEAR(log_magnitude, logl(-coefficients[1]), 1e-14L);
    EXPECT_GT(fabsl(coefficients[1]), 1e313L);

    param_a = 10;
    param_b = 10;
    tables_written = 0;
    std::string file = capture_file([](FILE *f) { write_table(f, 100); });
    EXPECT_NE(std::string::npos, file.find(" X^1\t -4.2"));
    EXPECT_NE(std::string::npos, file.find("E+313\r\n"));
    EXPECT_EQ(std::string::npos, file.find("INF"));
    EXPECT_EQ(std::string::npos, file.find("NAN"));
}

TEST(Gould, FileLayoutWithBlankBeforeTheParameterNames)
{
    is_japanese = 0;
    param_a = -1.5;
    param_b = 2;
    degree = 2;
    std::string english = capture_file([](FILE *f) { write_tables(f, 2, 1); });
    EXPECT_EQ("GOULD POLYNOMIAL\r\n\r\n a = -1.5\r\n b = 2\r\n"
              "\r\n*** polynomial of degree 0 ***\r\nTerm\tCoef.\r\n X^0\t   1.00000000E+00\r\n"
              "\r\n*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n X^0\t   0.00000000E+00\r\n X^1\t   1.00000000E+00\r\n"
              "\r\n*** polynomial of degree 2 ***\r\nTerm\tCoef.\r\n X^0\t   0.00000000E+00\r\n X^1\t   1.00000000E+00\r\n"
              " X^2\t   1.00000000E+00\r\n",
              english);
    is_japanese = 1;
    std::string japanese = capture_file([](FILE *f) { write_tables(f, 0, 0); });
    is_japanese = 0;
    EXPECT_EQ("グールド多項式\r\n\r\n a = -1.5\r\n b = 2\r\n"
              "\r\n*** 0次の多項式 ***\r\n項\t係数\r\n X^0\t   1.00000000E+00\r\n",
              japanese);
}
