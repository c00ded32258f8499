// The Charlier polynomials C(a,n;x).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "calc_state.h"
#include "coefficient_checks.h"
#include "charlier.h"
#include "file_capture.h"
#include "one_parameter.h"
#include "result_file.h"

// Zeros must be exact; the other values carry binomials from logarithms.
static void expect_row(const long double *expected, int n)
{
    expect_coefficients(expected, n, 1e-15L);
}

TEST(IntegerPower, ZeroBaseAndSigns)
{
    EXPECT_EQ(1.0L, integer_power(0, 0));
    EXPECT_EQ(0.0L, integer_power(0, 3));
    EXPECT_EQ(1.0L, integer_power(-2.5L, 0));
    EXPECT_EQ(-8.0L, integer_power(-2, 3));
    EXPECT_EQ(16.0L, integer_power(-2, 4));
    EXPECT_EQ(0.0009765625L, integer_power(0.5L, 10));
}

TEST(Charlier, SmallDegreesByHand)
{
    compute_table(3.5, 0);
    long double one[] = {1};
    expect_row(one, 0);
    compute_table(1, 2);  // 1 - 3x + x^2
    long double a_one[] = {1, -3, 1};
    expect_row(a_one, 2);
    compute_table(0, 3);  // x (x - 1)(x - 2)
    long double falling[] = {0, 2, -3, 1};
    expect_row(falling, 3);
    compute_table(-2, 1);  // 2 + x
    long double minus_two[] = {2, 1};
    expect_row(minus_two, 1);
    compute_table(0.5, 3);  // -a^3 + 3a^2 x - 3a x(x-1) + x(x-1)(x-2), a = 1/2
    long double half[] = {-0.125L, 0.75L + 1.5L + 2, -1.5L - 3, 1};
    expect_row(half, 3);
}

TEST(Charlier, LeadingCoefficientIsExactlyOne)
{
    for (double a : {0.0, 1.0, -2.0, 0.37, 10.0, -10.0})
        for (int n = 0; n <= 100; n++) {
            compute_table(a, n);
            EXPECT_EQ(1.0L, coefficients[n]) << "a=" << a << " n=" << n;
        }
}

// C(a,n+1;x) = (x - n - a) C(a,n;x) - a n C(a,n-1;x), run in extended
// precision beside a bound on the magnitudes it adds. The computed
// coefficient of x^k is a sum of the terms C(n,m) (-a)^(n-m) s(m,k) (s the
// Stirling numbers of the first kind), which can be far larger than the sum:
// the tolerance is relative to the larger of the two magnitude bounds.
TEST(Charlier, ThreeTermRecurrenceForEveryDegree)
{
    static long double stirling[TABLE_SLOTS][TABLE_SLOTS];  // |s(m,k)|
    stirling[0][0] = 1;
    for (int m = 1; m <= 100; m++)
        for (int k = 1; k <= m; k++)
            stirling[m][k] = stirling[m - 1][k - 1] + (m - 1) * stirling[m - 1][k];
    for (double a : {1.0, -2.0, 0.5, 0.3, 10.0, -10.0}) {
        long double previous[TABLE_SLOTS] = {0}, current[TABLE_SLOTS] = {1}, next[TABLE_SLOTS] = {0};
        long double previous_size[TABLE_SLOTS] = {0}, size[TABLE_SLOTS] = {1}, next_size[TABLE_SLOTS] = {0};
        long double pascal[TABLE_SLOTS] = {1};  // C(n, m)
        long double power[TABLE_SLOTS] = {1};   // |a|^j
        for (int j = 1; j < TABLE_SLOTS; j++)
            power[j] = power[j - 1] * fabsl((long double)a);
        for (int n = 0; n <= 100; n++) {
            if (n > 0)
                for (int m = n; m >= 1; m--)
                    pascal[m] += pascal[m - 1];
            compute_table(a, n);
            for (int k = 0; k <= n; k++) {
                long double terms = 0;
                for (int m = k; m <= n; m++)
                    terms += pascal[m] * power[n - m] * stirling[m][k];
                long double bound = terms > size[k] ? terms : size[k];
                EXPECT_NEAR(current[k], coefficients[k], 1e-13L * bound) << "a=" << a << " n=" << n << " k=" << k;
            }
            long double shift = n + (long double)a, back = a * (long double)n;
            for (int k = 0; k <= n + 1; k++) {
                long double lower = k > 0 ? current[k - 1] : 0, lower_size = k > 0 ? size[k - 1] : 0;
                next[k] = lower - shift * current[k] - back * previous[k];
                next_size[k] = lower_size + fabsl(shift) * size[k] + fabsl(back) * previous_size[k];
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

// (-a)^100 of a = 1e-7 is 1e-700: far below the double range, well inside
// the extended one. The constant term of C(a,n;x) is (-a)^n.
TEST(Charlier, SmallParameterPowersStayExtended)
{
    compute_table(1e-7, 100);
    long double a = 1e-7;  // the double nearest 1e-7, extended
    EXPECT_NEAR(1.0L, coefficients[0] / powl(a, 100), 1e-17L);
    compute_table(-1e-7, 51);
    EXPECT_NEAR(1.0L, coefficients[0] / powl(a, 51), 1e-17L);
    EXPECT_GT(coefficients[0], 0);
}

// Exact coefficients of C(a,n;x) for negative doubles a, written by
// tests/tools/make_vemtra00_references.py: key (a, n), value the pairs
// (c_k, S_k), S_k the sum of the magnitudes of the terms of c_k.
typedef std::map<std::pair<double, int>, std::vector<std::pair<long double, long double>>> ReferenceTables;

static ReferenceTables read_references()
{
    ReferenceTables tables;
    std::ifstream in(VEMTRA00_REFERENCES);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string a, value, size;
        int n, k;
        fields >> a >> n >> k >> value >> size;
        auto &table = tables[std::make_pair(atof(a.c_str()), n)];
        EXPECT_EQ((size_t)k, table.size()) << line;
        table.push_back(std::make_pair(strtold(value.c_str(), nullptr), strtold(size.c_str(), nullptr)));
    }
    return tables;
}

// The printed cell read back as a number.
static long double printed(long double value)
{
    char cell[CELL_BUF_SIZE];
    format_coefficient(cell, value);
    return strtold(cell, nullptr);
}

// For a < 0 each coefficient is the exact one within 2^-64 of itself (the
// final rounding to long double) plus 1e-34 of S_k (the pair arithmetic). The
// test allows 2^-62 |c_k| + 1e-33 S_k, which also covers the reading of the
// 25-digit references. So every printed cell is the exact value rounded to 9
// digits, unless the exact value lies within that bound of a rounding
// boundary: then the cell is one of the two neighbouring printings.
TEST(Charlier, NegativeParameterAgreesWithExactCoefficientsInEveryPrintedDigit)
{
    ReferenceTables tables = read_references();
    ASSERT_GE(tables.size(), 300u);
    for (const auto &entry : tables) {
        double a = entry.first.first;
        int n = entry.first.second;
        const auto &exact = entry.second;
        ASSERT_EQ((size_t)n + 1, exact.size());
        compute_table(a, n);
        for (int k = 0; k <= n; k++) {
            long double c = exact[k].first;
            long double bound = ldexpl(fabsl(c), -62) + 1e-33L * exact[k].second;
            EXPECT_NEAR(c, coefficients[k], bound) << "a=" << a << " n=" << n << " k=" << k;
            long double cell = printed(coefficients[k]);
            EXPECT_LE(printed(c - bound), cell) << "a=" << a << " n=" << n << " k=" << k;
            EXPECT_GE(printed(c + bound), cell) << "a=" << a << " n=" << n << " k=" << k;
        }
    }
}

// The coefficient of x^(n-1) is -(n(n-1)/2 + a n): exactly 0 for a = -(n-1)/2,
// where the terms cancel completely.
TEST(Charlier, CompleteCancellationGivesExactZero)
{
    compute_table(-10, 21);
    EXPECT_EQ(0.0L, coefficients[20]);
    compute_table(-2.5, 6);
    EXPECT_EQ(0.0L, coefficients[5]);
}

static std::string write_file(double a, int n, int all, int japanese)
{
    param_a = a;
    return capture_tables(n, all, 0, japanese);
}

TEST(CharlierFile, SmallParameterPrintsItsExtendedCoefficient)
{
    std::string bytes = write_file(1e-7, 100, 0, 0);
    EXPECT_EQ(0u, bytes.find("CHARLIER POLYNOMIAL\r\n\r\na = 0.0000001\r\n"
                             "\r\n*** polynomial of degree 100 ***\r\nTerm\tCoef.\r\n"
                             " X^0\t  1.00000000E-700\r\n"));
}

TEST(CharlierFile, AllDegreesInJapanese)
{
    // シャリエ多項式 / *** d次の多項式 *** / 項 係数
    const std::string heading_tail = "\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n\x8d\x80\t\x8c\x57\x90\x94\r\n";
    EXPECT_EQ("\x83\x56\x83\x83\x83\x8a\x83\x47\x91\xbd\x8d\x80\x8e\xae\r\n\r\na = 1\r\n"
              "\r\n*** 0" + heading_tail +
              " X^0\t   1.00000000E+00\r\n"
              "\r\n*** 1" + heading_tail +
              " X^0\t  -1.00000000E+00\r\n X^1\t   1.00000000E+00\r\n"
              "\r\n*** 2" + heading_tail +
              " X^0\t   1.00000000E+00\r\n X^1\t  -3.00000000E+00\r\n X^2\t   1.00000000E+00\r\n",
              write_file(1, 2, 1, 1));
}
