// The Gegenbauer polynomials C(v,n;x).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "gegenbauer.h"
#include "log_sum_tolerance.h"

typedef std::vector<long double> Polynomial;

static Polynomial compute(double v, int n, int with_normalization)
{
    normalize = with_normalization;
    compute_table(v, n);
    normalize = 0;
    return Polynomial(coefficients, coefficients + n + 1);
}

// C(v,0) = 1, C(v,1) = 2v x, (n+1) C(v,n+1) = 2(n+v) x C(v,n) - (n+2v-1) C(v,n-1).
// Within each parity the two terms have the same sign, so the reference
// keeps the full extended precision.
static std::vector<Polynomial> by_recurrence(long double v, int last)
{
    std::vector<Polynomial> c = {Polynomial{1}, Polynomial{0, 2 * v}};
    for (int n = 1; n < last; n++) {
        Polynomial next(n + 2, 0.0L);
        for (int i = 0; i <= n; i++)
            next[i + 1] += 2 * (n + v) * c[n][i];
        for (int i = 0; i < n; i++)
            next[i] -= (n + 2 * v - 1) * c[n - 1][i];
        for (long double &x : next)
            x /= n + 1;
        c.push_back(next);
    }
    return c;
}

// The factorials and (v)_k come from sums of up to n logarithms in double precision.
static long double tolerance(int n)
{
    return 2 * log_sum_tolerance(n, n) + 1e-17L;
}

TEST(Gegenbauer, SmallDegreesByHand)
{
    EXPECT_EQ(Polynomial{1.0L}, compute(3.7, 0, 0));
    EXPECT_EQ(Polynomial{1.0L}, compute(3.7, 0, 1));
    Polynomial p = compute(3.5, 1, 0);  // 2v x
    EXPECT_EQ(0.0L, p[0]);
    EXPECT_NEAR(7.0L, p[1], 7 * tolerance(1));
    p = compute(1, 2, 0);  // 4x^2 - 1
    EXPECT_NEAR(-1.0L, p[0], tolerance(2));
    EXPECT_EQ(0.0L, p[1]);
    EXPECT_NEAR(4.0L, p[2], 4 * tolerance(2));
    p = compute(1, 3, 0);  // 8x^3 - 4x
    EXPECT_EQ(0.0L, p[0]);
    EXPECT_NEAR(-4.0L, p[1], 4 * tolerance(3));
    EXPECT_EQ(0.0L, p[2]);
    EXPECT_NEAR(8.0L, p[3], 8 * tolerance(3));
    p = compute(0.5, 2, 0);  // (3x^2 - 1)/2
    EXPECT_NEAR(-0.5L, p[0], tolerance(2));
    EXPECT_NEAR(1.5L, p[2], tolerance(2));
}

TEST(Gegenbauer, PochhammerByLogarithms)
{
    EXPECT_EQ(1.0, pochhammer_by_logs(2.5, 0));
    EXPECT_NEAR(2.5 * 3.5 * 4.5, pochhammer_by_logs(2.5, 3), 1e-13);
    EXPECT_NEAR(1.0, pochhammer_by_logs(1, 20) / 2432902008176640000.0, 1e-14);  // 20!
}

// v = 1/2 gives the Legendre polynomials, v = 1 the Tchebycheff polynomials
// U(n;x), and any v the recurrence; the other parity is exactly 0.
TEST(Gegenbauer, EveryDegreeAgainstTheRecurrence)
{
    const double parameters[] = {0.5, 1, 2.5, 0.01, 7.3, 10};
    for (double v : parameters) {
        std::vector<Polynomial> reference = by_recurrence(v, 100);
        for (int n = 0; n <= 100; n++) {
            Polynomial p = compute(v, n, 0);
            for (int i = 0; i <= n; i++) {
                if ((n - i) % 2 == 1)
                    EXPECT_EQ(0.0L, p[i]) << "v=" << v << " n=" << n << " i=" << i;
                else
                    EXPECT_NEAR(1.0L, p[i] / reference[n][i], tolerance(n)) << "v=" << v << " n=" << n << " i=" << i;
            }
        }
    }
}

TEST(Gegenbauer, LeadingCoefficientAndNormalization)
{
    for (int n = 0; n <= 100; n++) {
        Polynomial p = compute(1.75, n, 0);
        // 2^n (v)_n / n!
        long double lead = 1;
        for (int i = 0; i < n; i++)
            lead = lead * 2 * (1.75L + i) / (i + 1);
        EXPECT_NEAR(1.0L, p[n] / lead, tolerance(n)) << n;
        Polynomial q = compute(1.75, n, 1);
        EXPECT_EQ(1.0L, q[n]) << n;
        for (int i = 0; i < n; i++)
            EXPECT_EQ(p[i] / p[n], q[i]) << "n=" << n << " i=" << i;
    }
}

TEST(Gegenbauer, FileHoldsTitleParameterAndNoteOnce)
{
    param_v = 0.5;
    normalize = 1;
    std::string file = capture_file([](FILE *f) { write_tables(f, 2, 1); });
    normalize = 0;
    EXPECT_EQ(0u, file.find("GEGENBAUER POLYNOMIAL\r\n\r\nv = 0.5\r\nNote: Coefficients are normalized.\r\n"
                            "\r\n*** polynomial of degree 0 ***\r\nTerm\tCoef.\r\n X^0\t   1.00000000E+00\r\n"
                            "\r\n*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n X^0\t   0.00000000E+00\r\n"
                            " X^1\t   1.00000000E+00\r\n\r\n*** polynomial of degree 2 ***\r\n"));
    EXPECT_EQ(file.find("GEGENBAUER"), file.rfind("GEGENBAUER"));
    EXPECT_EQ(file.find("Note:"), file.rfind("Note:"));
    // degree 2 normalized: x^2 - 1/3
    EXPECT_NE(std::string::npos, file.find(" X^0\t  -3.33333333E-01\r\n X^1\t   0.00000000E+00\r\n"
                                           " X^2\t   1.00000000E+00\r\n"));

    is_japanese = 1;
    param_v = 10;
    std::string japanese = capture_file([](FILE *f) { write_tables(f, 0, 0); });
    is_japanese = 0;
    EXPECT_EQ("ゲーゲンバウエル多項式\r\n\r\nv = 10\r\n\r\n*** 0次の多項式 ***\r\n項\t係数\r\n X^0\t   1.00000000E+00\r\n",
              japanese);
}
