// The Stirling numbers of the first and second kind.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "file_capture.h"
#include "kept_row_checks.h"
#include "reference_rows.h"
#include "stirling_numbers.h"

// Both rows of n as the driver computes them, one n or the ascending run
// 1..n of all rows.
static void compute_row(int n, int all)
{
    output_all_degrees = all;
    if (all)
        for (int m = 1; m <= n; m++) {
            compute_table_first_kind(m);
            compute_table_second_kind(m);
        }
    else {
        compute_table_first_kind(n);
        compute_table_second_kind(n);
    }
    output_all_degrees = 0;
}

// Every step of either recurrence adds two terms of one sign, each rounded
// once: at most 2n units of 2^-64 relative after n steps.
static long double bound(int n)
{
    return 2 * n * ldexpl(1.0L, -64);
}

// The rows n = 1..30, 35, 40, ..., 100 and 99, every k.
TEST(StirlingNumbers, RowsAgainstExactIntegers)
{
    ReferenceRows rows = read_reference_rows(QUOBIT95_REFERENCES, 2);
    ASSERT_EQ(1509u, rows.size());
    int misprinted = 0;
    for (int all : {0, 1})
        for (int n = 1; n <= 100; n++) {
            if (!rows.count({n, 1}))
                continue;
            compute_row(n, all);
            for (int k = 1; k <= n; k++) {
                const std::vector<ReferenceCell> &exact = rows.at({n, k});
                EXPECT_NEAR(1.0L, first_kind_out[k] / exact[0].value, bound(n)) << "s(" << n << "," << k << ")";
                EXPECT_NEAR(1.0L, second_kind_row[k] / exact[1].value, bound(n)) << "S(" << n << "," << k << ")";
                misprinted += printed_cell(first_kind_out[k]) != exact[0].printed;
                misprinted += printed_cell(second_kind_row[k]) != exact[1].printed;
            }
        }
    EXPECT_EQ(0, misprinted);
}

// The one-step road of all rows and the rebuilt road of one n compute the
// same numbers, in whatever order the runs come: one n rebuilds both rows,
// all rows restart at n = 1.
TEST(StirlingNumbersFile, RunsInAnyOrderGiveTheNumbersOfAFreshProgram)
{
    expect_runs_never_leak(37, 5, 80);
    std::string all = capture_tables(60, 1, 0, 0);
    // every block of the all-rows file is the block of that n alone
    const std::string title = "STIRLING NUMBERS\r\n";
    for (int n : {1, 2, 3, 21, 37, 60}) {
        std::string block = capture_tables(n, 0, 0, 0).substr(title.size());
        EXPECT_NE(std::string::npos, all.find(block)) << n;
    }
    EXPECT_EQ(std::string::npos, all.find("s(0,k)"));
    EXPECT_EQ(60u, count_occurrences(all, "\r\nk\ts("));
}

TEST(StirlingNumbersFile, RowThreeAndTheJapaneseTitle)
{
    EXPECT_EQ("STIRLING NUMBERS\r\n"
              "\r\nk\ts(3,k)\tS(3,k)\r\n"
              " 1\t   2.00000000E+00\t   1.00000000E+00\r\n"
              " 2\t  -3.00000000E+00\t   3.00000000E+00\r\n"
              " 3\t   1.00000000E+00\t   1.00000000E+00\r\n",
              capture_tables(3, 0, 0, 0));
    // スターリング数
    EXPECT_EQ("\x83\x58\x83\x5e\x81\x5b\x83\x8a\x83\x93\x83\x4f\x90\x94\r\n"
              "\r\nk\ts(1,k)\tS(1,k)\r\n"
              " 1\t   1.00000000E+00\t   1.00000000E+00\r\n",
              capture_tables(1, 1, 0, 1));
}
