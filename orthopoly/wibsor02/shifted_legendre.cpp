#include "shifted_legendre.h"

#include "calc_state.h"
#include "factorials.h"
#include "normalization.h"
#include "result_file.h"

// P*(n;x) = sum over m = 0..n of (-1)^m C(n,m) C(n+m,m) x^m.
// Each product of the two double binomials is taken and kept in extended
// precision. With normalization every coefficient is divided by the leading
// one, (-1)^n C(2n,n), which itself is set to exactly 1.
void compute_table(int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    for (int m = 0; m <= n; m++) {
        coefficients[m] = (long double)binomial_coefficient(n, m) * binomial_coefficient(n + m, m);
        if (m % 2 == 1)
            coefficients[m] = coefficients[m] * -1;
    }
    if (normalize == 1)
        divide_by_leading(coefficients, n);
}

void write_table(FILE *file, int n)
{
    write_title_block(file, "LEGENDRE POLYNOMIAL [II]", "ルジャンドル多項式 [II]");
    write_polynomial_table(file, coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
