// The Euler polynomials E(n;x).
#include <gtest/gtest.h>

#include <cmath>

#include "coefficient_checks.h"
#include "euler_polynomial.h"
#include "file_capture.h"
#include "printed_references.h"

TEST(EulerPolynomial, SmallDegrees)
{
    const struct {
        int n;
        long double row[6];
    } cases[] = {
        {0, {1}},
        {1, {-0.5L, 1}},
        {2, {0, -1, 1}},
        {3, {0.25L, 0, -1.5L, 1}},
        {5, {-0.5L, 0, 2.5L, 0, -2.5L, 1}},
    };
    for (const auto &c : cases) {
        compute_table(c.n);
        expect_coefficients(c.row, c.n, 1e-15L);
    }
}

// The zeros come from B_k = 0 (k odd above 1) times a negative factor: some
// are -0, and none may print with a minus sign.
TEST(EulerPolynomial, NegativeZerosPrintWithoutSign)
{
    compute_table(2);
    ASSERT_TRUE(std::signbit(coefficients[0]));
    std::string file = capture_tables(100, 1, 0, 0);
    EXPECT_EQ(0u, count_occurrences(file, "-0.00000000E+00"));
    EXPECT_NE(std::string::npos, file.find("\r\n*** polynomial of degree 2 ***\r\nTerm\tCoef.\r\n"
                                           " X^0\t   0.00000000E+00\r\n X^1\t  -1.00000000E+00\r\n"));
    EXPECT_EQ(101u, count_occurrences(file, "*** polynomial of degree"));
    EXPECT_EQ(0u, file.find("EULER POLYNOMIAL\r\n\r\n*** polynomial of degree 0 ***"));
}

// Every printed digit of every degree is that of the exact rational value.
TEST(EulerPolynomial, PrintedDigitsAreExact)
{
    PrintedReferences references = read_printed_references(TOVEX00_REFERENCES);
    ASSERT_EQ(5151u, references.size());
    for (int n = 0; n <= 100; n++) {
        compute_table(n);
        expect_printed_row(references, n, n);
        EXPECT_EQ(0.0L, coefficients[n + 1]) << n;
    }
}
