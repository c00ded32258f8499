#include "hermite.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "one_parameter.h"

// H(a,n;x) = sum over m = 0..[n/2] of (-a)^m (2m - 1)!! C(n, 2m) x^(n-2m),
// with (-1)!! = 1, for 0 <= n <= 100 and -10 <= a <= 10; H(0,n;x) = x^n. For a = 1 these are the Hermite
// polynomials He(n;x), for a = 1/2 the H(n;x) / 2^n. C(n, 2m) and (2m - 1)!!
// are doubles from sums of logarithms; their product and the power a^m are
// extended, so that a^m of a small a does not vanish where the coefficient
// is still an extended number (a = 1e-7, m = 50 gives 1e-350).
void compute_table(double a, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    if (a == 0) {
        coefficients[n] = 1.0L;
        return;
    }
    int half = (int)floor(n * 0.5);
    for (int m = 0; m <= half; m++) {
        if (m == 0) {
            coefficients[n] = 1.0L;
            continue;
        }
        long double term = (long double)binomial_coefficient(n, 2 * m) * double_factorial(m);
        if (m % 2 == 1)
            term = term * -1.0L;
        if (a != 1)
            term = term * powl((long double)a, m);
        coefficients[n - 2 * m] = term;
    }
}

void write_table(FILE *file, int n)
{
    write_one_parameter_table(file, n, "HERMITE POLYNOMIAL", "エルミート多項式", "a", param_a);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_a, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
