// The result file of the quadrature program and its failure road: a failed
// degree stops the tables, and the file is then discarded whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calc_state.h"
#include "file_capture.h"
#include "quadrature.h"
#include "quadrature_tables.h"

namespace {

std::string write_file(int kind, int n, int all, int japanese, int *result)
{
    polynomial_kind = kind;
    output_all_degrees = all;
    is_japanese = japanese;
    std::string bytes = capture_file([&](FILE *file) { *result = write_quadrature_tables(file, n); });
    output_all_degrees = 0;
    is_japanese = 0;
    return bytes;
}

std::string write_file(int kind, int n, int all, int japanese = 0)
{
    int result = 0;
    std::string bytes = write_file(kind, n, all, japanese, &result);
    EXPECT_EQ(n, result);
    return bytes;
}

int count(const std::string &text, const std::string &part)
{
    int found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        found++;
    return found;
}

int failing_degree;  // the degree at which the stand-in computation fails
int failing_code;

int fail_at_chosen_degree(int n)
{
    return n == failing_degree ? failing_code : compute_table(n);
}

bool file_exists(const char *path)
{
    FILE *file = fopen(path, "rb");
    if (file)
        fclose(file);
    return file != NULL;
}

const char *const DISCARD_PATH = "pomrel95_discard_test.xls";
bool existed_during_pause;

void look_during_pause()
{
    existed_during_pause = file_exists(DISCARD_PATH);
}

}  // namespace

TEST(QuadratureFile, OneLegendreDegreeByteForByte)
{
    std::string expected =
        "*** ZEROS x[i] AND WEIGHT-FACTORS w[i] ***\r\n"
        " Legendre polynomial P(n;x)\r\n"
        " --- for Gauss type numerical integration ---\r\n"
        "\r\n"
        "*** polynomial of degree 2 ***\r\n"
        " i\t  x[i]\t  Error\t  w[i]\r\n"
        "   1\t  -5.773502692E-01\t   0.000000000E+00\t   1.000000000E+00\r\n"
        "   2\t   5.773502692E-01\t   0.000000000E+00\t   1.000000000E+00\r\n"
        "\r\n"
        " Integral[-1 to +1] f(x) dx\r\n"
        "  = Sum[i=1 to 2] w[i] f(x[i])\r\n"
        " Note: f(x) must be a monotone function.\r\n";
    EXPECT_EQ(expected, write_file(KIND_LEGENDRE, 2, 0));
}

TEST(QuadratureFile, TitleAndFooterOfEachFamily)
{
    std::string laguerre = write_file(KIND_LAGUERRE, 12, 0);
    EXPECT_EQ(0u, laguerre.find("*** ZEROS x[i] AND WEIGHT-FACTORS w[i] ***\r\n"
                                " Laguerre polynomial L*(n;x)\r\n"
                                " --- for Laguerre type numerical integration ---\r\n\r\n"
                                "*** polynomial of degree 12 ***\r\n"));
    EXPECT_NE(std::string::npos, laguerre.find("\r\n\r\n Integral[0 to +infinity] exp(-x) f(x) dx\r\n"
                                               "  = Sum[i=1 to 12] w[i] f(x[i])\r\n"));

    std::string hermite = write_file(KIND_HERMITE, 2, 0);
    EXPECT_NE(std::string::npos, hermite.find(" Hermite polynomial H*(n;x)\r\n"
                                              " --- for Hermite type numerical integration ---\r\n"));
    EXPECT_NE(std::string::npos, hermite.find("   1\t  -7.071067812E-01\t"));  // a zero of H_2, not He_2
    EXPECT_NE(std::string::npos, hermite.find(" Integral[-infinity to +infinity] exp(-x*x) f(x) dx\r\n"));
}

TEST(QuadratureFile, JapaneseTextsInShiftJis)
{
    std::string file = write_file(KIND_HERMITE, 3, 1, 1);
    EXPECT_EQ(0u, file.find("*** 零点 x[i] と重み関数 w[i] ***\r\n"
                            " エルミート多項式 H*(n;x)\r\n"
                            " --- エルミート形数値積分用 ---\r\n\r\n"
                            "*** 2次の多項式 ***\r\n"));
    EXPECT_NE(std::string::npos, file.find("  = Sum[i=1 to n] w[i] f(x[i])\r\n 注：f(x) は単調関数であること.\r\n"));
    EXPECT_EQ(std::string::npos, file.find("Hermite polynomial"));
}

TEST(QuadratureFile, AllDegreesWriteOneTitleAndOneFooter)
{
    std::string two = write_file(KIND_LEGENDRE, 2, 1);
    EXPECT_EQ(1, count(two, "*** polynomial of degree"));
    EXPECT_NE(std::string::npos, two.find("  = Sum[i=1 to n] w[i] f(x[i])\r\n"));

    std::string file = write_file(KIND_LAGUERRE, 30, 1);
    EXPECT_EQ(1, count(file, "*** ZEROS"));
    EXPECT_EQ(29, count(file, "*** polynomial of degree"));
    EXPECT_EQ(1, count(file, " Integral["));
    EXPECT_EQ(1, count(file, " Note: f(x) must be a monotone function.\r\n"));
    EXPECT_NE(std::string::npos, file.find("\r\n\r\n\r\n*** polynomial of degree 3 ***\r\n"));  // two empty lines between tables
    size_t last = file.find("*** polynomial of degree 30 ***");
    ASSERT_NE(std::string::npos, last);
    EXPECT_LT(last, file.find(" Integral["));
    EXPECT_EQ(file.size() - 2, file.rfind("\r\n"));
}

TEST(QuadratureFile, FailureTextsOfEveryCode)
{
    EXPECT_STREQ("Unable to get a solution because of abnormal coefficients of the algebraic equationl!",
                 failure_text(ABNORMAL_COEFFICIENTS));
    EXPECT_STREQ("Unable to get a solution of the algebraic equation because of no convergence!",
                 failure_text(NO_CONVERGENCE));
    EXPECT_STREQ("Unable to get all roots of the algebraic equation.", failure_text(NOT_ALL_ROOTS));
    EXPECT_STREQ("Unable to get weight-factors because of division by zero!", failure_text(DIVISION_BY_ZERO));
    const char *overflow = "Unable to get weight-factors because of overflow of the exponential function!";
    EXPECT_STREQ(overflow, failure_text(EXPONENT_OUT_OF_RANGE));
    EXPECT_STREQ(overflow, failure_text(-3));
    is_japanese = 1;
    EXPECT_STREQ("非収束のため代数方程式の解は得られません!", failure_text(NO_CONVERGENCE));
    EXPECT_STREQ("指数関数の変数値が範囲外のため重み関数が得られません!", failure_text(-3));
    is_japanese = 0;
}

// Every failure code, injected at degree 17 of an all-degrees calculation,
// stops the tables there; the file, already holding degrees 2 to 16, is then
// closed and deleted whole.
TEST(QuadratureFile, AFailedDegreeLeavesNoFileBehind)
{
    compute_degree = fail_at_chosen_degree;
    failing_degree = 17;
    for (int code : {-1, -2, -3, -4, -5, -6}) {
        failing_code = code;
        polynomial_kind = KIND_LAGUERRE;
        output_all_degrees = 1;
        FILE *file = fopen(DISCARD_PATH, "wb");
        ASSERT_NE(nullptr, file);
        EXPECT_EQ(code, write_quadrature_tables(file, 30));
        fflush(file);
        EXPECT_GT(ftell(file), 0L);
        existed_during_pause = false;
        EXPECT_EQ(1, discard_result_file(file, DISCARD_PATH, look_during_pause));
        EXPECT_TRUE(existed_during_pause);
        EXPECT_FALSE(file_exists(DISCARD_PATH)) << code;
    }
    output_all_degrees = 0;
    int result = 0;
    std::string single = write_file(KIND_HERMITE, 17, 0, 0, &result);
    EXPECT_EQ(-6, result);
    EXPECT_EQ("", single);
    compute_degree = compute_table;
}
