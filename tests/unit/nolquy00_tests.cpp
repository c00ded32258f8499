// The monic discrete Tchebycheff polynomials t(n,m;x), orthogonal on x = 1..m.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "discrete_tchebycheff.h"
#include "factorials.h"
#include "file_capture.h"

TEST(BinomialOfIntegers, PositiveNegativeAndVanishing)
{
    EXPECT_EQ(1.0, binomial_real(5, 0));
    EXPECT_EQ(1.0, binomial_real(-3, 0));
    EXPECT_EQ(1.0, binomial_real(4, 4));
    EXPECT_EQ(0.0, binomial_real(3, 5));
    EXPECT_EQ(0.0, binomial_real(0, 2));
    EXPECT_NEAR(10.0, binomial_real(5, 2), 1e-14);
    // C(-M, k) = (-1)^k C(M + k - 1, k)
    EXPECT_NEAR(-1.0, binomial_real(-1, 3), 1e-15);
    EXPECT_NEAR(6.0, binomial_real(-3, 2), 6e-15);
    EXPECT_NEAR(-4.0, binomial_real(-2, 3), 4e-15);
    EXPECT_NEAR(-120.0, binomial_real(-8, 3), 120 * 4e-15);
}

TEST(FactorialCubeRatio, SmallArguments)
{
    EXPECT_EQ(1.0, factorial_cube_ratio(0));
    EXPECT_NEAR(0.5, factorial_cube_ratio(1), 1e-16);
    EXPECT_NEAR(1.0 / 3, factorial_cube_ratio(2), 1e-15);
    EXPECT_NEAR(0.3, factorial_cube_ratio(3), 1e-15);  // 216 / 720
}

static void expect_row(const long double *expected, int n)
{
    for (int i = 0; i <= n; i++)
        EXPECT_NEAR(expected[i], coefficients[i], 1e-14L * fabsl(expected[i]) + 1e-15L) << "X^" << i;
    for (int i = n + 1; i < TABLE_SLOTS; i++)
        EXPECT_EQ(0.0L, coefficients[i]) << "X^" << i;
}

TEST(DiscreteTchebycheff, SmallDegreesByHand)
{
    compute_table(1, 0);
    long double one[] = {1};
    expect_row(one, 0);
    compute_table(2, 1);  // x - (m + 1) / 2
    long double linear[] = {-1.5L, 1};
    expect_row(linear, 1);
    compute_table(7, 1);
    long double linear7[] = {-4, 1};
    expect_row(linear7, 1);
    compute_table(3, 2);  // (x - 2)^2 - (m^2 - 1) / 12
    long double quadratic[] = {10.0L / 3, -4, 1};
    expect_row(quadratic, 2);
    compute_table(10, 2);  // (x - 5.5)^2 - 99 / 12
    long double quadratic10[] = {30.25L - 8.25L, -11, 1};
    expect_row(quadratic10, 2);
}

TEST(DiscreteTchebycheff, MonicForEveryDegree)
{
    for (int n = 0; n <= 99; n++) {
        compute_table(100, n);
        EXPECT_NEAR(1.0L, coefficients[n], 1e-12L) << n;
    }
}

// The value at x and the sum of the magnitudes of its terms.
static void evaluate(const long double *c, int n, long double x, long double *value, long double *size)
{
    *value = 0;
    *size = 0;
    long double power = 1;
    for (int k = 0; k <= n; k++, power *= x) {
        *value += c[k] * power;
        *size += fabsl(c[k] * power);
    }
}

// sum over x = 1..m of t(i,m;x) t(j,m;x) = 0 for i != j, measured against the
// sum of the magnitudes of all the terms that make the values.
TEST(DiscreteTchebycheff, OrthogonalOnThePointsOneToM)
{
    for (int m : {2, 3, 5, 8, 12, 20, 40, 100}) {
        int top = m <= 20 ? m - 1 : 12;  // every degree for up to 20 points
        static long double table[20][TABLE_SLOTS];
        for (int n = 0; n <= top; n++) {
            compute_table(m, n);
            for (int k = 0; k < TABLE_SLOTS; k++)
                table[n][k] = coefficients[k];
        }
        for (int i = 0; i <= top; i++)
            for (int j = i + 1; j <= top; j++) {
                long double sum = 0, size = 0;
                for (int x = 1; x <= m; x++) {
                    long double vi, si, vj, sj;
                    evaluate(table[i], i, x, &vi, &si);
                    evaluate(table[j], j, x, &vj, &sj);
                    sum += vi * vj;
                    size += si * sj;
                }
                EXPECT_LE(fabsl(sum), 1e-12L * size) << "m=" << m << " i=" << i << " j=" << j;
            }
    }
}

// t(n,m;m+1-x) = (-1)^n t(n,m;x): the polynomials are symmetric about (m+1)/2.
TEST(DiscreteTchebycheff, SymmetricAboutTheMiddlePoint)
{
    const int m = 9;
    for (int n = 0; n < m; n++) {
        compute_table(m, n);
        for (int x = 1; x <= m; x++) {
            long double left, left_size, right, right_size;
            evaluate(coefficients, n, x, &left, &left_size);
            evaluate(coefficients, n, m + 1 - x, &right, &right_size);
            long double sign = n % 2 ? -1 : 1;
            EXPECT_NEAR(left, sign * right, 1e-13L * (left_size + right_size)) << "n=" << n << " x=" << x;
        }
    }
}

static std::string write_file(int m, int n, int all, int japanese)
{
    param_m = m;
    return capture_tables(n, all, 0, japanese);
}

TEST(DiscreteTchebycheffFile, AllDegreesWithTheSameM)
{
    EXPECT_EQ("TCHEBYCHEFF ORTHOGONAL POLYNOMIAL\r\n\r\nm = 3\r\n"
              "\r\n*** polynomial of degree 0 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   1.00000000E+00\r\n"
              "\r\n*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n"
              " X^0\t  -2.00000000E+00\r\n X^1\t   1.00000000E+00\r\n"
              "\r\n*** polynomial of degree 2 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   3.33333333E+00\r\n X^1\t  -4.00000000E+00\r\n X^2\t   1.00000000E+00\r\n",
              write_file(3, 2, 1, 0));
}

TEST(DiscreteTchebycheffFile, JapaneseTitle)
{
    // チェビシェフ直交多項式
    EXPECT_EQ(0u, write_file(100, 0, 0, 1).find("\x83\x60\x83\x46\x83\x72\x83\x56\x83\x46\x83\x74\x92\xbc\x8c\xf0"
                                                 "\x91\xbd\x8d\x80\x8e\xae\r\n\r\nm = 100\r\n\r\n*** 0\x8e\x9f"));
}
