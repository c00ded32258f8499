// The Bernoulli polynomials of the second kind b_n(x).
#include <gtest/gtest.h>

#include <string>

#include "bernoulli_second_kind.h"
#include "calc_state.h"
#include "exact_references.h"
#include "file_capture.h"
#include "kept_row_checks.h"

static const ExactTable &exact()
{
    static ExactTable table = read_exact_table(ZOLVIN01_REFERENCES);
    return table;
}

static void expect_exact_polynomial(int n, const char *road)
{
    for (int k = 0; k <= n; k++)
        ASSERT_EQ(exact().at({"b", n, k}), printed_cell(coefficients[k])) << road << " n=" << n << " k=" << k;
    for (int k = n + 1; k < TABLE_SLOTS; k++)
        ASSERT_EQ(0.0L, coefficients[k]) << road << " n=" << n << " k=" << k;
}

TEST(BernoulliSecondKind, EveryPrintedDigitIsExactOnBothRoads)
{
    check_on_both_roads(0, 100, compute_table, expect_exact_polynomial);
}

// Known rationals: b_1 = x + 1/2, b_2 = x^2 - 1/6, b_3 = x^3 - 3/2 x^2 + 1/4,
// b_4 = x^4 - 4x^3 + 4x^2 - 19/30; for every n >= 2 the x^1 coefficient is
// exactly 0 and the leading one exactly 1.
TEST(BernoulliSecondKind, KnownValuesAgainstExactRationals)
{
    struct Case {
        int n;
        long double numerator[5];
        long double denominator;
    } cases[] = {
        {1, {1, 2}, 2}, {2, {-1, 0, 6}, 6}, {3, {1, 0, -6, 4}, 4}, {4, {-19, 0, 120, -120, 30}, 30},
    };
    for (const Case &c : cases) {
        compute_table(c.n);
        for (int k = 0; k <= c.n; k++)
            EXPECT_NEAR(c.numerator[k] / c.denominator, coefficients[k], 2e-19L) << "n=" << c.n << " k=" << k;
    }
    for (int n = 2; n <= 100; n++) {
        compute_table(n);
        EXPECT_EQ(0.0L, coefficients[1]) << n;
        EXPECT_EQ(1.0L, coefficients[n]) << n;
    }
}

TEST(BernoulliSecondKindFile, KeptRowNeverLeaksBetweenRuns)
{
    expect_runs_never_leak(37, 60, 100);
}

TEST(BernoulliSecondKindFile, DegreesZeroToTwoAndAllToHundred)
{
    EXPECT_EQ("BERNOULLI POLYNOMIAL OF THE 2ND KIND\r\n"
              "\r\n*** polynomial of degree 0 ***\r\nTerm\tCoef.\r\n X^0\t   1.00000000E+00\r\n"
              "\r\n*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   5.00000000E-01\r\n X^1\t   1.00000000E+00\r\n"
              "\r\n*** polynomial of degree 2 ***\r\nTerm\tCoef.\r\n"
              " X^0\t  -1.66666667E-01\r\n X^1\t   0.00000000E+00\r\n X^2\t   1.00000000E+00\r\n",
              capture_tables(2, 1, 0, 0));
    // 第二種ベルヌーイ多項式
    std::string japanese = capture_tables(1, 0, 0, 1);
    EXPECT_EQ(0u, japanese.find("\x91\xe6\x93\xf1\x8e\xed\x83\x78\x83\x8b\x83\x6b\x81\x5b\x83\x43\x91\xbd\x8d\x80\x8e\xae\r\n"));
    std::string bytes = capture_tables(100, 1, 0, 0);
    EXPECT_EQ(1u, count_occurrences(bytes, "BERNOULLI POLYNOMIAL OF THE 2ND KIND\r\n"));
    EXPECT_EQ(101u, count_occurrences(bytes, "*** polynomial of degree"));
    EXPECT_EQ(101u * 102 / 2, count_occurrences(bytes, " X^"));
    EXPECT_EQ(0u, count_occurrences(bytes, "-0.00000000E+00"));
}
