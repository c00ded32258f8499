// The Eulerian numbers of the first and second order.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc_state.h"
#include "eulerian_numbers.h"
#include "file_capture.h"
#include "reference_rows.h"

static void compute(int n, int order)
{
    second_order = order;
    compute_table(n);
}

static long double bound(int n)
{
    return 2 * n * ldexpl(1.0L, -64);
}

// The rows n = 1..30, 35, 40, ..., 100 and 99 of both orders.
TEST(EulerianNumbers, RowsOfBothOrdersAgainstExactIntegers)
{
    ReferenceRows rows = read_reference_rows(TOVEX98_REFERENCES, 2);
    ASSERT_EQ(1509u, rows.size());
    reset_eulerian_triangles();
    int misprinted = 0;
    for (int order : {0, 1})
        for (int n = 1; n <= 100; n++) {
            compute(n, order);
            if (!rows.count({n, 0}))
                continue;
            const EulerianTriangle &triangle = order ? eulerian_second : eulerian_first;
            for (int k = 0; k < n; k++) {
                const ReferenceCell &exact = rows.at({n, k})[order];
                EXPECT_NEAR(1.0L, triangle[n][k] / exact.value, bound(n)) << "order " << order + 1 << " n=" << n << " k=" << k;
                misprinted += printed_cell(triangle[n][k]) != exact.printed;
            }
            EXPECT_EQ(0.0L, triangle[n][n]);
        }
    EXPECT_EQ(0, misprinted);
}

static int computed_rows(const EulerianTriangle &triangle)
{
    int rows = 0;
    while (rows + 1 < TABLE_SLOTS && triangle[rows + 1][0] == 1.0L)
        rows++;
    return rows;
}

// n = 50, then 10, then 60 computes rows 1..50, nothing, rows 51..60; each
// order grows its own triangle.
TEST(EulerianNumbers, TrianglesGrowOnDemandOneForEachOrder)
{
    reset_eulerian_triangles();
    EXPECT_EQ(0, computed_rows(eulerian_first));
    compute(50, 0);
    EXPECT_EQ(50, computed_rows(eulerian_first));
    EXPECT_EQ(0, computed_rows(eulerian_second));
    eulerian_first[50][3] = -1;  // a marker: a row computed again would lose it
    compute(10, 0);
    compute(50, 0);
    EXPECT_EQ(-1.0L, eulerian_first[50][3]);
    compute(60, 0);
    EXPECT_EQ(60, computed_rows(eulerian_first));
    compute(20, 1);
    EXPECT_EQ(20, computed_rows(eulerian_second));
    EXPECT_EQ(60, computed_rows(eulerian_first));
}

// Switching the order between runs writes each order's own numbers, the
// same as a fresh program would.
TEST(EulerianNumbersFile, SwitchingTheOrderNeverMixesTheRules)
{
    reset_eulerian_triangles();
    second_order = 1;
    std::string second_fresh = capture_tables(30, 1, 0, 0);
    reset_eulerian_triangles();
    second_order = 0;
    std::string first_fresh = capture_tables(40, 1, 0, 0);
    second_order = 1;
    std::string second_after = capture_tables(30, 1, 0, 0);
    second_order = 0;
    std::string first_after = capture_tables(40, 1, 0, 0);
    EXPECT_EQ(second_fresh, second_after);
    EXPECT_EQ(first_fresh, first_after);
    EXPECT_EQ(0u, first_fresh.find("FIRST-ORDER EULERIAN NUMBERS\r\n"));
    EXPECT_EQ(0u, second_fresh.find("SECOND-ORDER EULERIAN NUMBERS\r\n"));
    second_order = 1;
    std::string single = capture_tables(25, 0, 0, 0);
    EXPECT_NE(std::string::npos, second_after.find(single.substr(single.find("\r\n") + 2)));
    second_order = 0;
}

TEST(EulerianNumbersFile, RowThreeAndJapaneseTitles)
{
    reset_eulerian_triangles();
    second_order = 0;
    EXPECT_EQ("FIRST-ORDER EULERIAN NUMBERS\r\n"
              "\r\nk\tA1(3,k)\r\n"
              " 0\t   1.00000000E+00\r\n 1\t   4.00000000E+00\r\n 2\t   1.00000000E+00\r\n",
              capture_tables(3, 0, 0, 0));
    second_order = 1;
    // ２階のオイラリアン数
    EXPECT_EQ("\x82\x51\x8a\x4b\x82\xcc\x83\x49\x83\x43\x83\x89\x83\x8a\x83\x41\x83\x93\x90\x94\r\n"
              "\r\nk\tA2(1,k)\r\n 0\t   1.00000000E+00\r\n",
              capture_tables(1, 0, 0, 1));
    second_order = 0;
    // １階のオイラリアン数
    EXPECT_EQ(0u, capture_tables(1, 0, 0, 1).find("\x82\x50\x8a\x4b\x82\xcc"));
}
