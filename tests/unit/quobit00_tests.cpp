// The Stirling polynomials S(n;x): exact sums rounded once.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "reference_rows.h"
#include "stirling_polynomial.h"
#include "wide_integer.h"

// One coefficient of the references (tests/tools/make_quobit00_references.py):
// the exact value to 30 digits, and its 9-digit prints without and with
// normalization.
struct Reference {
    long double value;
    std::string printed;
    std::string printed_normalized;
};

static const std::vector<std::vector<Reference>> &references()
{
    static std::vector<std::vector<Reference>> rows;
    if (!rows.empty())
        return rows;
    std::ifstream in(QUOBIT00_REFERENCES);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int n, j;
        std::string value;
        Reference reference;
        fields >> n >> j >> value >> reference.printed >> reference.printed_normalized;
        reference.value = strtold(value.c_str(), nullptr);
        if ((int)rows.size() == n)
            rows.emplace_back();
        rows[n].push_back(reference);
    }
    return rows;
}

static void compute(int n, int with_normalization)
{
    normalize = with_normalization;
    compute_table(n);
    normalize = 0;
}

// Every coefficient of degree n is the exact value rounded to the nearest
// 80-bit real, and so prints as the exact value rounded to 9 digits.
static void expect_exact_degree(int n)
{
    const std::vector<Reference> &row = references().at(n);
    ASSERT_EQ((size_t)n + 1, row.size());
    compute(n, 0);
    for (int j = 0; j <= n; j++) {
        EXPECT_EQ(row[j].value, coefficients[j]) << "n=" << n << " X^" << j;
        EXPECT_EQ(row[j].printed, printed_cell(coefficients[j])) << "n=" << n << " X^" << j;
    }
    compute(n, 1);
    for (int j = 0; j <= n; j++) {
        EXPECT_EQ(ldexpl(row[j].value, n), coefficients[j]) << "normalized n=" << n << " X^" << j;
        EXPECT_EQ(row[j].printed_normalized, printed_cell(coefficients[j])) << "normalized n=" << n << " X^" << j;
    }
    for (int j = n + 1; j < TABLE_SLOTS; j++)
        EXPECT_EQ(0.0L, coefficients[j]);
}

TEST(StirlingPolynomial, EveryDegreeAscendingAgainstExactReferences)
{
    ASSERT_EQ(101u, references().size());
    clear_eulerian_triangle();
    for (int n = 0; n <= 100; n++)
        expect_exact_degree(n);
}

// The triangle kept from earlier degrees gives the numbers of a fresh one,
// whatever the order of the degrees asked for.
TEST(StirlingPolynomial, DescendingAndScatteredDegreesGiveTheSameNumbers)
{
    clear_eulerian_triangle();
    for (int n : {100, 37, 3, 99, 0, 64, 1, 100})
        expect_exact_degree(n);
    clear_eulerian_triangle();
    for (int n = 100; n >= 0; n -= 7)
        expect_exact_degree(n);
}

static int computed_rows()
{
    int rows = 0;
    WideInteger one;
    wide_set(&one, 1);
    for (int i = 1; i < TABLE_SLOTS; i++)
        if (memcmp(&eulerian_triangle[i][0], &one, sizeof one) == 0)
            rows = i;
    return rows;
}

TEST(StirlingPolynomial, EulerianRowsAreFilledOnDemandAndKept)
{
    clear_eulerian_triangle();
    EXPECT_EQ(0, computed_rows());
    compute(0, 0);
    EXPECT_EQ(0, computed_rows());
    compute(50, 0);
    EXPECT_EQ(50, computed_rows());
    WideInteger kept = eulerian_triangle[50][20];
    compute(10, 1);
    EXPECT_EQ(50, computed_rows());
    compute(60, 0);
    EXPECT_EQ(60, computed_rows());
    EXPECT_EQ(0, memcmp(&kept, &eulerian_triangle[50][20], sizeof kept));
}

TEST(StirlingPolynomialFile, DegreeTwoAndZerosWithoutSign)
{
    EXPECT_EQ("STIRLING POLYNOMIAL S(n;x)\r\n"
              "\r\n*** polynomial of degree 2 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   1.66666667E-01\r\n X^1\t   4.16666667E-01\r\n X^2\t   2.50000000E-01\r\n",
              capture_tables(2, 0, 0, 0));
    std::string all = capture_tables(100, 1, 1, 0);
    EXPECT_EQ(1u, count_occurrences(all, "Note: Coefficients are normalized."));
    EXPECT_EQ(101u, count_occurrences(all, "*** polynomial of degree"));
    EXPECT_EQ(0u, count_occurrences(all, "-0.00000000E+00"));
    EXPECT_LT(0u, count_occurrences(all, "   0.00000000E+00"));  // S(3;x) = x (x+1)^2 / 8 and others
}

// Rounding of an exact quotient: ties to even, the sticky rest, signs.
TEST(WideInteger, QuotientIsRoundedOnce)
{
    struct Case {
        int64_t high;        // x = high 2^32 + low
        uint32_t low;
        std::vector<uint32_t> divisors;
        long double expected;
    };
    const long double two64 = ldexpl(1.0L, 64);
    const Case cases[] = {
        {0, 1, {3}, 1.0L / 3},
        {0, 2, {3, 5, 7}, 2.0L / 105},
        {-1, 0xFFFFFFFFu, {2}, -0.5L},
        {0x100000000ll, 1, {1}, two64},               // 2^64 + 1: a tie, to even
        {0x100000000ll, 3, {1}, two64 + 4},           // 2^64 + 3: a tie, to even upward
        {0x100000000ll, 3, {2}, ldexpl(1.0L, 63) + 2}, // (2^64 + 3) / 2: above the tie
        {0, 0, {7}, 0.0L},
    };
    for (const Case &c : cases) {
        WideInteger x;
        wide_set(&x, c.high < 0 ? -1 : 0);
        x.limb[0] = c.low;
        x.limb[1] = (uint32_t)c.high;
        x.limb[2] = (uint32_t)(c.high >> 32);
        EXPECT_EQ(c.expected, wide_quotient_rounded(&x, c.divisors.data(), (int)c.divisors.size()))
            << (double)c.expected;
    }
}
