// The Fibonacci polynomials F(n;x) and the Fibonacci numbers.
#include <gtest/gtest.h>

#include <cmath>

#include "coefficient_checks.h"
#include "fibonacci.h"
#include "fibonacci_polynomial.h"
#include "file_capture.h"
#include "printed_references.h"

TEST(LogBinomialCoefficient, EndsAndInterior)
{
    const struct {
        int a, k;
        double value;
    } cases[] = {
        {0, 0, 1}, {7, 0, 1}, {7, 7, 1}, {7, 1, 7}, {7, 6, 7}, {5, 2, 10}, {50, 25, 126410606437752.0},
    };
    // 50 rounded double sums of terms up to ln 50: a few units of 3.6e-15
    for (const auto &c : cases)
        EXPECT_NEAR(log(c.value), log_binomial_coefficient(c.a, c.k), 5e-14) << c.a << " " << c.k;
    EXPECT_EQ(0.0, log_binomial_coefficient(9, 9));
}

TEST(FibonacciPolynomial, SmallIndices)
{
    const struct {
        int m;
        long double row[6];
        long double number;
    } cases[] = {
        {1, {1}, 1}, {2, {0, 1}, 1}, {3, {1, 0, 1}, 2}, {4, {0, 2, 0, 1}, 3}, {6, {0, 3, 0, 4, 0, 1}, 8},
    };
    for (const auto &c : cases) {
        compute_fibonacci_polynomial(c.m);
        expect_coefficients(c.row, c.m - 1, 1e-15L);
        EXPECT_NEAR(c.number, number_table[c.m], c.number * 1e-15L) << c.m;
        EXPECT_EQ(1.0L, coefficients[c.m - 1]) << c.m;
    }
}

// Every printed coefficient and number of every index is that of the exact integer.
TEST(FibonacciPolynomial, PrintedDigitsAreExact)
{
    PrintedReferences references = read_printed_references(MIRGOL00_REFERENCES);
    for (int n = 1; n <= 101; n++) {
        compute_fibonacci_polynomial(n);
        expect_printed_row(references, n, n - 1);
        expect_printed_number(references, n, number_table[n]);
    }
}

// The stored exact numbers are those whose rounding the references print.
TEST(FibonacciNumbers, StoredTableAgreesWithTheReferences)
{
    PrintedReferences references = read_printed_references(MIRGOL00_REFERENCES);
    EXPECT_STREQ("1", exact_number_texts[0]);
    EXPECT_STREQ("354224848179261915075", exact_number_texts[99]);
    EXPECT_STREQ("573147844013817084101", exact_number_texts[100]);
    for (int n = 1; n <= 101; n++)
        expect_printed_number(references, n, strtold(exact_number_texts[n - 1], NULL));
}

TEST(FibonacciFile, BlocksAndNumberLines)
{
    EXPECT_EQ("FIBONACCI POLYNOMIAL\r\n"
              "\r\n*** polynomial of degree 0, F1(X) ***\r\nTerm\tCoef.\r\n X^0\t   1.00000000E+00\r\n"
              " Fibonacci number F[1] : 1.00000000E+00\r\n"
              "\r\n*** polynomial of degree 1, F2(X) ***\r\nTerm\tCoef.\r\n X^0\t   0.00000000E+00\r\n"
              " X^1\t   1.00000000E+00\r\n Fibonacci number F[2] : 1.00000000E+00\r\n",
              capture_tables(2, 1, 0, 0));
    std::string computed = capture_tables(101, 0, 0, 0);
    exact_numbers = 1;
    std::string exact = capture_tables(101, 0, 0, 0);
    std::string japanese = capture_tables(3, 0, 0, 1);
    exact_numbers = 0;
    const std::string computed_line = " Fibonacci number F[101] : 5.73147844E+20\r\n";
    const std::string exact_line = " Fibonacci number F[101] : 573147844013817084101\r\n";
    // the option changes the number line only
    expect_same_but_the_ends(computed, computed_line, exact, exact_line);
    EXPECT_EQ("フィボナッチ多項式\r\n\r\n*** 2次の多項式, F3(X) ***\r\n項\t係数\r\n X^0\t   1.00000000E+00\r\n"
              " X^1\t   0.00000000E+00\r\n X^2\t   1.00000000E+00\r\n フィボナッチ数 F[3] : 2\r\n",
              japanese);
}
