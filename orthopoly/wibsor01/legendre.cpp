#include "legendre.h"

#include "calc_state.h"
#include "legendre_table.h"
#include "normalization.h"
#include "result_file.h"

// P(n;x) into coefficients; with normalization every coefficient is divided
// by the leading one, (2n-1)!!/n! (never 0), which is then exactly 1.
void compute_table(int n)
{
    fill_legendre_table(coefficients, n);
    if (normalize == 1)
        divide_by_leading(coefficients, n);
}

void write_table(FILE *file, int n)
{
    write_title_block(file, "LEGENDRE POLYNOMIAL", "ルジャンドル多項式");
    write_polynomial_table(file, coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
