#include "discrete_tchebycheff.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "one_parameter.h"
#include "product_expansion.h"
#include "result_file.h"

int param_m = 1;

static double factor_constants[TABLE_SLOTS];       // the constants -(k + 1) of the factors x - (k + 1)
static long double falling_product[TABLE_SLOTS];   // (x - 1)(x - 2) ... (x - s), index = power of x
static long double product_scratch[TABLE_SLOTS];   // work space of the product expansion

// (n!)^3 / (2n)! = exp(3 (ln 1 + ... + ln n) - ln 1 - ... - ln 2n), in double.
double factorial_cube_ratio(int n)
{
    double s = 0.0;
    for (int i = 1; i <= n; i++)
        s = s + log((double)i);
    s = 3 * s;
    for (int j = 1; j <= 2 * n; j++)
        s = s - log((double)j);
    return exp(s);
}

// t(n,m;x) = (n!)^3 / (2n)! * sum over s = 0..n of
//            C(n + s, s) C(n - m, n - s) (x - 1)(x - 2) ... (x - s) / s!
// for 0 <= n <= 99 and n + 1 <= m <= 100, where C(n - m, .) has the negative upper argument n - m
// and the empty product (s = 0) is 1. The leading coefficient is 1. The
// products are multiplied out and summed in extended precision; the
// binomials, s! and the prefactor are doubles from logarithms.
void compute_table(int m, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    for (int s = 0; s <= n; s++) {
        for (int k = 0; k < TABLE_SLOTS; k++) {
            factor_constants[k] = 0.0;
            falling_product[k] = 0.0L;
            product_scratch[k] = 0.0L;
        }
        for (int k = 0; k < s; k++)
            factor_constants[k] = -(k + 1);
        expand_linear_factors(factor_constants, s, falling_product, product_scratch);
        double b1 = binomial_real(n - m, n - s);
        double b2 = binomial_real(n + s, s);
        double f = factorial_via_logs(s);
        for (int k = 0; k <= s; k++)
            coefficients[k] = ((falling_product[k] * b1) * b2) / f + coefficients[k];
    }
    long double g = factorial_cube_ratio(n);
    for (int k = 0; k <= n; k++)
        coefficients[k] = g * coefficients[k];
}

void write_table(FILE *file, int n)
{
    if (tables_written == 0) {
        char m_text[CELL_BUF_SIZE];
        format_degree(m_text, param_m);
        write_parameter_title(file, "TCHEBYCHEFF ORTHOGONAL POLYNOMIAL", "チェビシェフ直交多項式");
        write_parameter_line(file, "m", m_text);
    }
    write_polynomial_table(file, coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_m, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
