#include "euler_polynomial.h"

#include <cmath>

#include "bernoulli_number.h"
#include "calc_state.h"
#include "factorials.h"
#include "result_file.h"

// E(n;x) = 2/(n+1) (B(n+1;x) - 2^(n+1) B(n+1;x/2)), so the coefficient of x^j
// is C(n+1,n+1-j) B_(n+1-j) (2 - 2^(n+2-j)) / (n+1), j = 0..n (the x^(n+1)
// terms cancel). The binomial-Bernoulli product is taken in extended
// precision, then multiplied by the factor, whose subtraction and division
// are extended too. An odd Bernoulli index above 1 gives a zero, of either
// sign after the negative factor; the writer prints it without a sign.
void compute_table(int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    for (int j = 0; j <= n + 1; j++)
        coefficients[j] = (long double)binomial_coefficient(n + 1, n + 1 - j) * bernoulli_number(n + 1 - j);
    coefficients[n + 1] = 0;
    for (int j = 0; j <= n; j++) {
        long double f = (2 - (long double)pow(2.0, n + 2 - j)) / (n + 1);
        coefficients[j] = f * coefficients[j];
    }
}

void write_table(FILE *file, int n)
{
    write_title_block(file, "EULER POLYNOMIAL", "オイラー多項式");
    write_polynomial_table(file, coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
