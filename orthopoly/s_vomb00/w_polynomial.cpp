#include "w_polynomial.h"

#include <cmath>

#include "legendre_table.h"
#include "normalization.h"
#include "result_file.h"

CoefficientTable legendre_coefficients;

// P(k;z), 0 <= k <= 100, never normalized.
void build_legendre(int k)
{
    fill_legendre_table(legendre_coefficients, k);
}

// W(n-1;z) = sum over j = 0..[(n-1)/2] of (2n-4j-1) / ((2j+1)(n-j)) P(n-2j-1;z),
// for 1 <= n <= 101. Each weight is an 80-bit quotient of two integers and
// each weighted Legendre coefficient is rounded to 80 bits before the sum.
// With normalization every coefficient is divided by the leading one,
// (2n-1)/n times that of P(n-1;z) and never 0, which is then exactly 1.
void compute_table(int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    int last = (int)floor((n - 1) * 0.5);
    for (int j = 0; j <= last; j++) {
        int k = n - 2 * j - 1;
        build_legendre(k);
        long double weight = (long double)(2 * n - 4 * j - 1) / ((long double)(2 * j + 1) * (n - j));
        for (int i = 0; i <= k; i++) {
            long double term = weight * legendre_coefficients[i];
            coefficients[i] = coefficients[i] + term;
        }
    }
    if (normalize == 1)
        divide_by_leading(coefficients, n - 1);
}

// The block of W(d;z), d = n - 1, under the title of the file.
void write_table(FILE *file, int d)
{
    write_title_block(file, "LEGENDRE POLYNOMIAL [III]", "ルジャンドル多項式 [III]");
    write_degree_heading(file, d);
    write_column_header(file);
    write_coefficient_rows(file, " Z^%d", coefficients, d);
}

// One step of the driver: the list value n gives W(n-1;z).
static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n - 1);
}

const TableSpec table_spec = {1, tabulate, standard_size_estimate};
