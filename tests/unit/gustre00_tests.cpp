// The falling, rising and central factorial polynomials.
#include <gtest/gtest.h>

#include <string>

#include "calc_state.h"
#include "exact_references.h"
#include "factorial_polynomials.h"
#include "file_capture.h"
#include "kept_row_checks.h"

static const ExactTable &exact()
{
    static ExactTable table = read_exact_table(GUSTRE00_REFERENCES);
    return table;
}

// The exact printed coefficient of x^k in the polynomial of n of a kind: the
// rising one has the magnitudes of the falling one's coefficients.
static std::string exact_cell(int kind, int n, int k)
{
    if (kind == KIND_CENTRAL)
        return exact().at({"central", n, k});
    std::string cell = exact().at({"falling", n, k});
    return kind == KIND_RISING && cell[0] == '-' ? cell.substr(1) : cell;
}

static void expect_exact_polynomial(int kind, int n, const char *road)
{
    int d = factorial_degree(n);
    for (int k = 0; k <= d; k++)
        ASSERT_EQ(exact_cell(kind, n, k), printed_cell(factorial_coefficients[k]))
            << road << " kind=" << kind << " n=" << n << " k=" << k;
    for (int k = d + 1; k < FACTORIAL_SLOTS; k++)
        ASSERT_EQ(0.0L, factorial_coefficients[k]) << road << " kind=" << kind << " n=" << n << " k=" << k;
}

TEST(FactorialPolynomials, EveryPrintedDigitIsExactInEveryKindOnBothRoads)
{
    for (int kind = 0; kind < 3; kind++) {
        polynomial_kind = kind;
        check_on_both_roads(1, 100, compute_table,
                            [&](int n, const char *road) { expect_exact_polynomial(kind, n, road); });
    }
    polynomial_kind = KIND_FALLING;
}

static std::string file_of(int kind, int n, int all, int japanese = 0)
{
    polynomial_kind = kind;
    std::string bytes = capture_tables(n, all, 0, japanese);
    polynomial_kind = KIND_FALLING;
    return bytes;
}

// Whatever ran before, in whichever kind, a calculation writes the same
// file as a fresh program: the kinds never mix.
TEST(FactorialPolynomialsFile, KeptRowNeverMixesRunsOrKinds)
{
    std::string fresh[3][2];
    for (int kind = 0; kind < 3; kind++) {
        fresh[kind][0] = file_of(kind, 23, 0);
        fresh[kind][1] = file_of(kind, 40, 1);
    }
    for (int before = 0; before < 3; before++)
        for (int kind = 0; kind < 3; kind++)
            for (int all = 0; all < 2; all++) {
                file_of(before, 100, 1 - all);
                EXPECT_EQ(fresh[kind][all], file_of(kind, all ? 40 : 23, all))
                    << "kind " << kind << " all=" << all << " after kind " << before;
            }
}

TEST(FactorialPolynomialsFile, DegreeThreeInEachKind)
{
    EXPECT_EQ(0u, file_of(KIND_FALLING, 3, 0).find("EXPANSION OF FALLING FACTORIAL POLYNOMIAL\r\n"));
    EXPECT_EQ(0u, file_of(KIND_RISING, 3, 0).find("EXPANSION OF RISING FACTORIAL POLYNOMIAL\r\n"));
    EXPECT_EQ("EXPANSION OF CENTRAL FACTORIAL POLYNOMIAL\r\n\r\n*** polynomial of degree 5 ***\r\n"
              "Term\tCoef.\r\n X^0\t   0.00000000E+00\r\n X^1\t   4.00000000E+00\r\n X^2\t   0.00000000E+00\r\n"
              " X^3\t  -5.00000000E+00\r\n X^4\t   0.00000000E+00\r\n X^5\t   1.00000000E+00\r\n",
              file_of(KIND_CENTRAL, 3, 0));
    // 中央階乗多項式の展開 / *** 1次の多項式 ***
    EXPECT_EQ("\x92\x86\x89\x9b\x8a\x4b\x8f\xe6\x91\xbd\x8d\x80\x8e\xae\x82\xcc\x93\x57\x8a\x4a\r\n"
              "\r\n*** 1\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n"
              "\x8d\x80\t\x8c\x57\x90\x94\r\n X^0\t   0.00000000E+00\r\n X^1\t   1.00000000E+00\r\n",
              file_of(KIND_CENTRAL, 1, 0, 1));
}

// -(99!)^2 lies beyond the range of a double: it must reach the file whole.
TEST(FactorialPolynomialsFile, CentralHundredBeyondTheDoubleRange)
{
    std::string bytes = file_of(KIND_CENTRAL, 100, 0);
    EXPECT_NE(std::string::npos, bytes.find("\r\n X^1\t -8.70978249E+311\r\n"));
    EXPECT_EQ(200u, count_occurrences(bytes, " X^"));
    EXPECT_EQ(std::string(" X^199\t   1.00000000E+00\r\n"), bytes.substr(bytes.size() - 26));

    bytes = file_of(KIND_CENTRAL, 100, 1);
    EXPECT_EQ(100u, count_occurrences(bytes, "*** polynomial of degree"));
    EXPECT_EQ(0u, count_occurrences(bytes, "*** polynomial of degree 2 ***"));  // odd degrees only
    EXPECT_EQ(0u, count_occurrences(bytes, "-0.00000000E+00"));
}
