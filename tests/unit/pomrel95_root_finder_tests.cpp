// The root finder: Heron's square root, the coefficient scaling, the complex
// Newton iteration with deflation, and the road from a family polynomial to
// its sorted real zeros.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "family_polynomials.h"
#include "root_finder.h"

static void set_coefficients(const long double *re, const long double *im, int m)
{
    for (int i = 0; i < QUADRATURE_SLOTS; i++) {
        root_re[i] = i <= m ? re[i] : 0.0L;
        root_im[i] = i <= m && im ? im[i] : 0.0L;
    }
}

// The real parts of roots 0..m-1, ascending.
static void sorted_real_roots(int m, long double *out)
{
    for (int i = 0; i < m; i++)
        out[i] = root_re[i];
    std::sort(out, out + m);
}

TEST(HeronSqrt, SpecialArgumentsAndAccuracy)
{
    EXPECT_EQ(0.0L, heron_sqrt(0.0L));
    EXPECT_EQ(-1.0L, heron_sqrt(-4.0L));
    EXPECT_EQ(-1.0L, heron_sqrt(-1e-30L));
    EXPECT_EQ(2.0L, heron_sqrt(4.0L));
    EXPECT_EQ(0.5L, heron_sqrt(0.25L));
    for (long double x : {2.0L, 3.0L, 1e-20L, 0.7L, 12345.678L, 1e300L}) {
        long double root = sqrtl(x);
        EXPECT_LE(fabsl(heron_sqrt(x) - root), 2 * (nextafterl(root, 1e4000L) - root)) << (double)x;
    }
}

TEST(CheckAndScale, AbnormalCoefficientsAreRefused)
{
    const long double zeros[] = {0, 0, 0, 0};
    set_coefficients(zeros, NULL, 3);
    EXPECT_EQ(1, check_and_scale_coefficients(3));
    const long double tiny[] = {1e-301L, -1e-302L, 0};
    set_coefficients(tiny, NULL, 2);
    EXPECT_EQ(1, check_and_scale_coefficients(2));
}

TEST(CheckAndScale, DividesByTheLargestAndSetsTheTolerance)
{
    const long double c[] = {2, -4, 1};
    set_coefficients(c, NULL, 2);
    ASSERT_EQ(0, check_and_scale_coefficients(2));
    EXPECT_EQ(0.5L, root_re[0]);
    EXPECT_EQ(-1.0L, root_re[1]);
    EXPECT_EQ(0.25L, root_re[2]);
    EXPECT_EQ(4.0, tolerance_scale);  // 1 / smallest relative size

    const long double wide[] = {1, 0, 1e-9L, 1e-320L};  // the last one is dropped as zero
    set_coefficients(wide, NULL, 3);
    ASSERT_EQ(0, check_and_scale_coefficients(3));
    EXPECT_EQ(0.0L, root_re[3]);
    EXPECT_EQ(1e7, tolerance_scale);  // never more than 1e7

    const long double equal[] = {3, -3};
    set_coefficients(equal, NULL, 1);
    ASSERT_EQ(0, check_and_scale_coefficients(1));
    EXPECT_EQ(1.0, tolerance_scale);
}

TEST(FindComplexRoots, DegreeOneAndTwo)
{
    tolerance_scale = 1;
    const long double linear[] = {2, -3};
    set_coefficients(linear, NULL, 1);
    ASSERT_EQ(0, find_complex_roots(1));
    EXPECT_EQ(1.5L, root_re[0]);
    EXPECT_EQ(0.0L, root_im[0]);

    const long double quadratic[] = {2, -6, 4};  // 2 (x - 1)(x - 2)
    set_coefficients(quadratic, NULL, 2);
    ASSERT_EQ(0, find_complex_roots(2));
    EXPECT_EQ(1.0L, root_re[0]);
    EXPECT_EQ(2.0L, root_re[1]);

    const long double circle[] = {1, 0, 1};  // x^2 + 1
    set_coefficients(circle, NULL, 2);
    ASSERT_EQ(0, find_complex_roots(2));
    EXPECT_EQ(0.0L, root_re[0]);
    EXPECT_EQ(-1.0L, root_im[0]);
    EXPECT_EQ(1.0L, root_im[1]);

    const long double complex_re[] = {1, -1, 0};  // x^2 - (1 + i) x + i = (x - 1)(x - i)
    const long double complex_im[] = {0, -1, 1};
    set_coefficients(complex_re, complex_im, 2);
    ASSERT_EQ(0, find_complex_roots(2));
    EXPECT_NEAR(0.0L, root_re[0], 1e-18L);
    EXPECT_NEAR(1.0L, root_im[0], 1e-18L);
    EXPECT_NEAR(1.0L, root_re[1], 1e-18L);
    EXPECT_NEAR(0.0L, root_im[1], 1e-18L);
}

TEST(FindComplexRoots, NewtonRoadWithAndWithoutReversal)
{
    const long double expected_a[] = {1, 2, 3};
    const long double reversed[] = {1, -6, 11, -6};  // (x-1)(x-2)(x-3): |c3| > |c0| reverses
    set_coefficients(reversed, NULL, 3);
    ASSERT_EQ(0, check_and_scale_coefficients(3));
    ASSERT_EQ(0, find_complex_roots(3));
    long double roots[3];
    sorted_real_roots(3, roots);
    for (int i = 0; i < 3; i++) {
        EXPECT_NEAR(expected_a[i], roots[i], 1e-12L);
        EXPECT_NEAR(0.0L, root_im[i], 1e-12L);
    }

    const long double expected_b[] = {1.0L / 3, 0.5L, 1};
    const long double direct[] = {6, -11, 6, -1};  // (x-1)(2x-1)(3x-1): no reversal
    set_coefficients(direct, NULL, 3);
    ASSERT_EQ(0, check_and_scale_coefficients(3));
    ASSERT_EQ(0, find_complex_roots(3));
    sorted_real_roots(3, roots);
    for (int i = 0; i < 3; i++)
        EXPECT_NEAR(expected_b[i], roots[i], 1e-12L);

    const long double cubic[] = {1, -2, 1, -2};  // (z^2 + 1)(z - 2), reversed
    set_coefficients(cubic, NULL, 3);
    ASSERT_EQ(0, check_and_scale_coefficients(3));
    ASSERT_EQ(0, find_complex_roots(3));
    int matched = 0;
    for (int i = 0; i < 3; i++)
        for (long double im : {-1.0L, 1.0L})
            matched += hypotl(root_re[i], root_im[i] - im) < 1e-12L;
    for (int i = 0; i < 3; i++)
        matched += hypotl(root_re[i] - 2, root_im[i]) < 1e-12L;
    EXPECT_EQ(3, matched);
}

// (z - 1)^20 in powers of z: Newton steps near a 20-fold root drown in the
// rounding noise of its coefficients.
static void set_twentyfold_root(int offset)
{
    long double c[QUADRATURE_SLOTS] = {0};
    c[0] = 1;
    for (int k = 1; k <= 20; k++)
        c[k] = -c[k - 1] * (20 - k + 1) / k;
    set_coefficients(c, NULL, 20 + offset);
}

TEST(FindComplexRoots, FailuresBeforeAndAfterTheFirstRoot)
{
    set_twentyfold_root(0);
    ASSERT_EQ(0, check_and_scale_coefficients(20));
    EXPECT_EQ(998, find_complex_roots(20));

    // (z + i)(z - 1)^20: the root -i is found at once, the rest is not.
    long double c[QUADRATURE_SLOTS] = {0};
    c[0] = 1;
    for (int k = 1; k <= 20; k++)
        c[k] = -c[k - 1] * (20 - k + 1) / k;
    long double re[QUADRATURE_SLOTS] = {0}, im[QUADRATURE_SLOTS] = {0};
    for (int k = 0; k <= 21; k++) {
        re[k] = k <= 20 ? c[k] : 0;
        im[k] = k >= 1 ? c[k - 1] : 0;
    }
    set_coefficients(re, im, 21);
    tolerance_scale = 1e7;
    int found = find_complex_roots(21);
    EXPECT_GE(found, 1);
    EXPECT_LT(found, 21);

    // z^4 = 16: once the roots +-2i are found (as +-i/2 of the reversed
    // polynomial), the rest z^2 - 1/4 is even and Newton steps from -i never
    // leave the imaginary axis.
    const long double quartic[] = {1, 0, 0, 0, -16};
    set_coefficients(quartic, NULL, 4);
    ASSERT_EQ(0, check_and_scale_coefficients(4));
    EXPECT_EQ(2, find_complex_roots(4));

    const long double degenerate[] = {0, 1};
    set_coefficients(degenerate, NULL, 1);
    EXPECT_EQ(998, find_complex_roots(1));
}

TEST(FindZerosByRootFinder, SmallDegreesInClosedForm)
{
    polynomial_kind = KIND_LEGENDRE;
    ASSERT_EQ(2, find_zeros_by_root_finder(2));
    EXPECT_NEAR(-1 / sqrtl(3.0L), root_re[0], 1e-18L);
    EXPECT_NEAR(1 / sqrtl(3.0L), root_re[1], 1e-18L);

    polynomial_kind = KIND_HERMITE;
    ASSERT_EQ(2, find_zeros_by_root_finder(2));  // He_2 = x^2 - 1
    EXPECT_EQ(-1.0L, root_re[0]);
    EXPECT_EQ(1.0L, root_re[1]);

    polynomial_kind = KIND_LAGUERRE;
    ASSERT_EQ(2, find_zeros_by_root_finder(2));
    EXPECT_NEAR(2 - sqrtl(2.0L), root_re[0], 1e-17L);
    EXPECT_NEAR(2 + sqrtl(2.0L), root_re[1], 1e-17L);
}

TEST(FindZerosByRootFinder, AscendingWithExactMirrorPairsAndMiddleZero)
{
    const int kinds[] = {KIND_LEGENDRE, KIND_HERMITE};
    for (int kind : kinds)
        for (int n = 2; n <= 23; n++) {
            polynomial_kind = kind;
            ASSERT_EQ(n, find_zeros_by_root_finder(n)) << kind << " " << n;
            for (int i = 0; i + 1 < n; i++)
                EXPECT_LT(root_re[i], root_re[i + 1]) << kind << " " << n << " " << i;
            for (int i = 0; i < n; i++) {
                EXPECT_EQ(-root_re[n - 1 - i], root_re[i]);
                EXPECT_EQ(0.0L, root_im[i]);
            }
            if (n % 2 == 1) {
                EXPECT_EQ(0.0L, root_re[n / 2]);
            }
        }
    polynomial_kind = KIND_LAGUERRE;
    for (int n = 2; n <= 30; n++) {
        ASSERT_EQ(n, find_zeros_by_root_finder(n)) << n;
        EXPECT_GT(root_re[0], 0.0L);
        for (int i = 0; i + 1 < n; i++)
            EXPECT_LT(root_re[i], root_re[i + 1]) << n << " " << i;
    }
}
