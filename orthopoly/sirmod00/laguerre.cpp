#include "laguerre.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "normalization.h"
#include "one_parameter.h"

// L(a,n;x) = sum over m = 0..n of (-1)^m C(n + a, n - m) x^m / m!,
// for 0 <= n <= 100 and -10 <= a <= 10.
// With normalization every coefficient is divided by the leading one,
// (-1)^n / n!, which is never 0, and the leading one is set to exactly 1.
void compute_table(double a, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    double upper = (double)((long double)n + a);
    for (int m = 0; m <= n; m++) {
        coefficients[m] = (long double)binomial_real(upper, n - m) / factorial_via_logs(m);
        if (m % 2 == 1)
            coefficients[m] = coefficients[m] * -1.0L;
    }
    if (normalize == 1)
        divide_by_leading(coefficients, n);
}

void write_table(FILE *file, int n)
{
    write_one_parameter_table(file, n, "LAGUERRE POLYNOMIAL", "ラゲール多項式", "a", param_a);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_a, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
