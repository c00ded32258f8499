#include "bernoulli_polynomial.h"

#include "bernoulli_number.h"
#include "calc_state.h"
#include "factorials.h"
#include "result_file.h"

// B(n;x) = sum over j = 0..n of C(n,n-j) B_(n-j) x^j: each coefficient the
// product of two doubles (the binomial from logarithms, the Bernoulli number)
// taken in extended precision. The x^j with n - j odd and above 1 are 0.
void compute_table(int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    for (int j = 0; j <= n; j++)
        coefficients[j] = (long double)binomial_coefficient(n, n - j) * bernoulli_number(n - j);
}

void write_table(FILE *file, int n)
{
    write_title_block(file, "BERNOULLI POLYNOMIAL", "ベルヌーイ多項式");
    write_polynomial_table(file, coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
