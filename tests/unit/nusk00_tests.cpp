// The Bell polynomials (Stirling numbers of the second kind) and Bell numbers.
#include <gtest/gtest.h>

#include <string>

#include "bell.h"
#include "calc_state.h"
#include "exact_references.h"
#include "file_capture.h"
#include "kept_row_checks.h"

static const ExactTable &exact()
{
    static ExactTable table = read_exact_table(NUSK00_REFERENCES);
    return table;
}

// Every printed S(n,k) and B_n of the row in coefficients against the exact ones.
static void expect_exact_row(int n, const char *road)
{
    for (int k = 0; k <= n; k++)
        EXPECT_EQ(exact().at({"S", n, k}), printed_cell(coefficients[k])) << road << " n=" << n << " k=" << k;
    EXPECT_EQ(exact().at({"B", n, -1}), printed_cell(bell_numbers[n])) << road << " B_" << n;
    for (int k = n + 1; k < TABLE_SLOTS; k++)
        ASSERT_EQ(0.0L, coefficients[k]) << road << " n=" << n << " k=" << k;
}

TEST(Bell, EveryPrintedDigitIsExactOnBothRoads)
{
    check_on_both_roads(0, 100, compute_table, expect_exact_row);
}

TEST(Bell, SmallBellNumbersExactly)
{
    const long double small[] = {1, 1, 2, 5, 15, 52, 203, 877, 4140};
    for (int n = 0; n <= 8; n++) {
        compute_table(n);
        EXPECT_EQ(small[n], bell_numbers[n]) << n;
    }
}

TEST(BellFile, KeptRowNeverLeaksBetweenRuns)
{
    expect_runs_never_leak(37, 60, 100);
}

TEST(BellFile, DegreeThreeInEnglishAndOneInJapanese)
{
    EXPECT_EQ("BELL POLYNOMIAL\r\n"
              "\r\n*** polynomial of degree 3 ***\r\n"
              "Term\tCoef.\r\n"
              " X^0\t   0.00000000E+00\r\n"
              " X^1\t   1.00000000E+00\r\n"
              " X^2\t   3.00000000E+00\r\n"
              " X^3\t   1.00000000E+00\r\n"
              " Bell number B[3] : 5.00000000E+00\r\n",
              capture_tables(3, 0, 0, 0));
    // ベル多項式 / *** 0次の多項式 *** / 項 係数 / ベル数 B[0]
    EXPECT_EQ("\x83\x78\x83\x8b\x91\xbd\x8d\x80\x8e\xae\r\n"
              "\r\n*** 0\x8e\x9f\x82\xcc\x91\xbd\x8d\x80\x8e\xae ***\r\n"
              "\x8d\x80\t\x8c\x57\x90\x94\r\n"
              " X^0\t   1.00000000E+00\r\n"
              " \x83\x78\x83\x8b\x90\x94 B[0] : 1.00000000E+00\r\n",
              capture_tables(0, 0, 0, 1));
}

TEST(BellFile, AllDegreesToHundred)
{
    std::string bytes = capture_tables(100, 1, 0, 0);
    EXPECT_EQ(1u, count_occurrences(bytes, "BELL POLYNOMIAL\r\n"));
    EXPECT_EQ(101u, count_occurrences(bytes, "*** polynomial of degree"));
    EXPECT_EQ(101u, count_occurrences(bytes, " Bell number B["));
    EXPECT_EQ(101u * 102 / 2, count_occurrences(bytes, " X^"));
    EXPECT_EQ(0u, count_occurrences(bytes, "-0.00000000E+00"));
    EXPECT_EQ(" X^100\t   1.00000000E+00\r\n Bell number B[100] : 4.75853913E+115\r\n",
              bytes.substr(bytes.size() - 65));
}
