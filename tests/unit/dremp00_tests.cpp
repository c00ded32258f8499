// The Lucas polynomials L(n;x) and the Lucas numbers.
#include <gtest/gtest.h>

#include "coefficient_checks.h"
#include "fibonacci_polynomial.h"
#include "file_capture.h"
#include "lucas.h"
#include "printed_references.h"

TEST(LucasPolynomial, SmallIndices)
{
    const struct {
        int n;
        long double row[6];
        long double number;
    } cases[] = {
        {1, {0, 1}, 1}, {2, {2, 0, 1}, 3}, {3, {0, 3, 0, 1}, 4}, {4, {2, 0, 4, 0, 1}, 7}, {5, {0, 5, 0, 5, 0, 1}, 11},
    };
    for (const auto &c : cases) {
        compute_table(c.n);
        expect_coefficients(c.row, c.n, 1e-15L);
        EXPECT_NEAR(c.number, number_table[c.n], c.number * 1e-15L) << c.n;
    }
}

// Every printed coefficient and number of every index is that of the exact integer.
TEST(LucasPolynomial, PrintedDigitsAreExact)
{
    PrintedReferences references = read_printed_references(DREMP00_REFERENCES);
    for (int n = 1; n <= 100; n++) {
        compute_table(n);
        expect_printed_row(references, n, n);
        expect_printed_number(references, n, number_table[n]);
    }
}

// The stored exact numbers are those whose rounding the references print.
TEST(LucasNumbers, StoredTableAgreesWithTheReferences)
{
    PrintedReferences references = read_printed_references(DREMP00_REFERENCES);
    EXPECT_STREQ("1", exact_number_texts[0]);
    EXPECT_STREQ("3", exact_number_texts[1]);
    EXPECT_STREQ("792070839848372253127", exact_number_texts[99]);
    EXPECT_STREQ("1281597540372340914251", exact_number_texts[100]);
    for (int n = 1; n <= 100; n++)
        expect_printed_number(references, n, strtold(exact_number_texts[n - 1], NULL));
}

TEST(LucasFile, BlocksAndNumberLines)
{
    exact_numbers = 1;
    EXPECT_EQ("LUCAS POLYNOMIAL\r\n"
              "\r\n*** polynomial of degree 1, L1(X) ***\r\nTerm\tCoef.\r\n X^0\t   0.00000000E+00\r\n"
              " X^1\t   1.00000000E+00\r\n Lucas number L[1] : 1\r\n"
              "\r\n*** polynomial of degree 2, L2(X) ***\r\nTerm\tCoef.\r\n X^0\t   2.00000000E+00\r\n"
              " X^1\t   0.00000000E+00\r\n X^2\t   1.00000000E+00\r\n Lucas number L[2] : 3\r\n",
              capture_tables(2, 1, 0, 0));
    std::string exact = capture_tables(100, 0, 0, 0);
    std::string japanese = capture_tables(1, 0, 0, 1);
    exact_numbers = 0;
    std::string computed = capture_tables(100, 0, 0, 0);
    const std::string computed_line = " Lucas number L[100] : 7.92070840E+20\r\n";
    const std::string exact_line = " Lucas number L[100] : 792070839848372253127\r\n";
    expect_same_but_the_ends(computed, computed_line, exact, exact_line);
    EXPECT_EQ("リュカ多項式\r\n\r\n*** 1次の多項式, L1(X) ***\r\n項\t係数\r\n X^0\t   0.00000000E+00\r\n"
              " X^1\t   1.00000000E+00\r\n リュカ数 L[1] : 1\r\n",
              japanese);
}
