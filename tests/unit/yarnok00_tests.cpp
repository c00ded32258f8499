// The polynomials s(z), c(z) of the spherical Bessel functions j(n;z) and n(n;z).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "spherical_bessel.h"

typedef std::vector<long double> Poly;

struct Pair {
    Poly s, c;
};

static Pair compute(int n, int mode)
{
    neumann_function_mode = mode;
    compute_table(n);
    neumann_function_mode = 0;
    return {Poly(coefficients, coefficients + TABLE_SLOTS), Poly(c_coefficients, c_coefficients + TABLE_SLOTS)};
}

// f(n+1;z) = (2n+1)/z f(n;z) - f(n-1;z) holds for j and n alike; with
// f(n;z) = [s sin z + c cos z] / z^(n+1) it reads s(n+1) = (2n+1) s(n) - z^2 s(n-1),
// and the same for c. Started from j(0), j(1) or n(0), n(1), in long double:
// the two terms of each coefficient have the same sign, so nothing cancels.
static std::vector<Pair> reference(int mode)
{
    std::vector<Pair> f(102, Pair{Poly(104, 0.0L), Poly(104, 0.0L)});
    if (mode == 0) {
        f[0].s[0] = 1;   // sin z / z
        f[1].s[0] = 1;   // (sin z - z cos z) / z^2
        f[1].c[1] = -1;
    } else {
        f[0].c[0] = -1;  // -cos z / z
        f[1].s[1] = -1;  // (-z sin z - cos z) / z^2
        f[1].c[0] = -1;
    }
    for (int n = 1; n <= 100; n++)
        for (int i = 0; i <= n + 1; i++) {
            f[n + 1].s[i] = (2 * n + 1) * f[n].s[i] - (i >= 2 ? f[n - 1].s[i - 2] : 0.0L);
            f[n + 1].c[i] = (2 * n + 1) * f[n].c[i] - (i >= 2 ? f[n - 1].c[i - 2] : 0.0L);
        }
    return f;
}

// A coefficient is the exponential of a double sum of at most 3n+1
// logarithms whose partial sums stay below ln (2n+1)!: half a unit in the
// last place of that a step, plus the 80-bit exponential's own error.
static long double tolerance(int n)
{
    double largest = lgamma(2.0 * n + 2) + 1;
    return (3 * n + 1) * 0.5 * (nextafter(largest, 1e300) - largest) + 1e-17L;
}

static void expect_table(const Poly &expected, const Poly &actual, long double bound, const char *what, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++) {
        if (i >= (int)expected.size() || expected[i] == 0)
            ASSERT_EQ(0.0L, actual[i]) << what << " n=" << n << " i=" << i;
        else
            ASSERT_LE(fabsl(actual[i] / expected[i] - 1), bound) << what << " n=" << n << " i=" << i;
    }
}

TEST(SphericalBessel, ClosedFormsOfTheFirstKind)
{
    expect_table({1}, compute(0, 0).s, 0, "s", 0);             // j(0) = sin z / z
    expect_table({}, compute(0, 0).c, 0, "c", 0);
    expect_table({1}, compute(1, 0).s, 0, "s", 1);             // j(1) = (sin z - z cos z) / z^2
    expect_table({0, -1}, compute(1, 0).c, 0, "c", 1);
    expect_table({3, 0, -1}, compute(2, 0).s, 1e-15L, "s", 2);  // j(2) = ((3 - z^2) sin z - 3z cos z) / z^3
    expect_table({0, -3}, compute(2, 0).c, 1e-15L, "c", 2);
    expect_table({15, 0, -6}, compute(3, 0).s, 1e-15L, "s", 3);  // j(3) = ((15 - 6z^2) sin z + (z^3 - 15z) cos z) / z^4
    expect_table({0, -15, 0, 1}, compute(3, 0).c, 1e-15L, "c", 3);
}

TEST(SphericalBessel, ClosedFormsOfTheSecondKind)
{
    expect_table({}, compute(0, 1).s, 0, "s", 0);              // n(0) = -cos z / z
    expect_table({-1}, compute(0, 1).c, 0, "c", 0);
    expect_table({0, -1}, compute(1, 1).s, 0, "s", 1);         // n(1) = (-z sin z - cos z) / z^2
    expect_table({-1}, compute(1, 1).c, 0, "c", 1);
    expect_table({0, -3}, compute(2, 1).s, 1e-15L, "s", 2);     // n(2) = (-3z sin z + (z^2 - 3) cos z) / z^3
    expect_table({-3, 0, 1}, compute(2, 1).c, 1e-15L, "c", 2);
    expect_table({0, -15, 0, 1}, compute(3, 1).s, 1e-15L, "s", 3);  // n(3) = ((z^3 - 15z) sin z + (6z^2 - 15) cos z) / z^4
    expect_table({-15, 0, 6}, compute(3, 1).c, 1e-15L, "c", 3);
}

TEST(SphericalBessel, BothKindsAgainstTheRecurrenceUpToOrder100)
{
    for (int mode = 0; mode <= 1; mode++) {
        std::vector<Pair> f = reference(mode);
        for (int n = 0; n <= 100; n++) {
            Pair p = compute(n, mode);
            expect_table(f[n].s, p.s, tolerance(n), mode ? "n(n;z) s" : "j(n;z) s", n);
            expect_table(f[n].c, p.c, tolerance(n), mode ? "n(n;z) c" : "j(n;z) c", n);
        }
    }
}

TEST(SphericalBessel, ValuesAgainstTheLibraryFunctions)
{
    // at z well above n the sum does not cancel much
    for (int n = 0; n <= 20; n++) {
        long double z = 3.0L * n + 7;
        for (int mode = 0; mode <= 1; mode++) {
            Pair p = compute(n, mode);
            long double s = 0, c = 0;
            for (int i = n; i >= 0; i--) {
                s = s * z + p.s[i];
                c = c * z + p.c[i];
            }
            long double value = (s * sinl(z) + c * cosl(z)) / powl(z, n + 1);
            double library = mode ? std::sph_neumann(n, (double)z) : std::sph_bessel(n, (double)z);
            EXPECT_NEAR(library, (double)value, 1e-12 * fabs(library) + 1e-15) << "n=" << n << " mode " << mode;
        }
    }
}

static std::string write_file(int n, int all, int mode, int japanese)
{
    neumann_function_mode = mode;
    std::string bytes = capture_tables(n, all, 0, japanese);
    neumann_function_mode = 0;
    return bytes;
}

TEST(SphericalBesselFile, OrderOneOfTheFirstKind)
{
    EXPECT_EQ("POLYNOMIALS OF SPHERICAL BESSEL j(n;z)\r\n"
              "\r\n*** polynomial s(z) and c(z) : degree 1 ***\r\n"
              "Term\ts(z) Coef.\tc(z) Coef.\r\n"
              " z^0\t   1.00000000E+00\t   0.00000000E+00\r\n"
              " z^1\t   0.00000000E+00\t  -1.00000000E+00\r\n",
              write_file(1, 0, 0, 0));
}

TEST(SphericalBesselFile, AllOrdersOfTheSecondKindInJapanese)
{
    EXPECT_EQ("球ベッセル n(n;z) の多項式\r\n"
              "\r\n*** 多項式 s(z), c(z) : 0次 ***\r\n項\ts(z) 係数\tc(z) 係数\r\n"
              " z^0\t   0.00000000E+00\t  -1.00000000E+00\r\n"
              "\r\n*** 多項式 s(z), c(z) : 1次 ***\r\n項\ts(z) 係数\tc(z) 係数\r\n"
              " z^0\t   0.00000000E+00\t  -1.00000000E+00\r\n"
              " z^1\t  -1.00000000E+00\t   0.00000000E+00\r\n",
              write_file(1, 1, 1, 1));
}

TEST(SphericalBesselFile, OrderHundredAlternatesBetweenTheColumns)
{
    std::string bytes = write_file(100, 0, 0, 0);
    // j(100): s holds the even powers, c the odd ones
    EXPECT_NE(std::string::npos, bytes.find(" z^99\t   0.00000000E+00\t"));
    EXPECT_NE(std::string::npos, bytes.find(" z^100\t   1.00000000E+00\t   0.00000000E+00\r\n"));
    EXPECT_EQ(std::string::npos, bytes.find("-0.00000000E+00"));
}
