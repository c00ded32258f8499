#include "charlier.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "one_parameter.h"
#include "product_expansion.h"

static double factor_constants[TABLE_SLOTS];       // the constants -k of the factors x - k
static long double falling_product[TABLE_SLOTS];   // x (x - 1) ... (x - m + 1), index = power of x
static long double product_scratch[TABLE_SLOTS];   // work space of the product expansion

// The power is taken in extended precision: (-a)^(n-m) of a small a
// underflows a double long before the coefficient leaves the extended range.
long double integer_power(long double b, int k)
{
    if (k == 0)
        return 1.0L;
    if (b == 0)
        return 0.0L;
    return powl(b, k);
}

// C(a,n;x) = sum over m = 0..n of C(n, m) (-a)^(n-m) x (x - 1) ... (x - m + 1),
// the empty product (m = 0) being 1, for 0 <= n <= 100 and -10 <= a <= 10.
// The falling products are multiplied out and summed in extended precision;
// C(n, m) is a double from logarithms.
// The leading coefficient is exactly 1 (C(n, n) = 1, (-a)^0 = 1).
void compute_table(double a, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    for (int m = 0; m <= n; m++) {
        for (int k = 0; k < TABLE_SLOTS; k++) {
            factor_constants[k] = 0.0;
            falling_product[k] = 0.0L;
            product_scratch[k] = 0.0L;
        }
        for (int k = 0; k < m; k++)
            factor_constants[k] = -k;
        expand_linear_factors(factor_constants, m, falling_product, product_scratch);
        long double power = integer_power(-(long double)a, n - m);
        long double binomial = binomial_coefficient(n, m);
        for (int k = 0; k <= m; k++)
            coefficients[k] = (falling_product[k] * power) * binomial + coefficients[k];
    }
}

void write_table(FILE *file, int n)
{
    write_one_parameter_table(file, n, "CHARLIER POLYNOMIAL", "シャリエ多項式", "a", param_a);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_a, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
