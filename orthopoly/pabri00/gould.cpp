#include "gould.h"

#include "one_parameter.h"
#include "result_file.h"

double param_b;
long double gould_factors[TABLE_SLOTS];
CoefficientTable gould_work;

// The constants c_j = -n a - j b of the factors x + c_j, j = 1..n-1, in the
// order c_1, c_{n-1}, c_2, c_{n-2}, ...: taking them alternately from both
// ends keeps the partial products of a size between those of the factors.
static void order_gould_factors(double a, double b, int n)
{
    int low = 1, high = n - 1;
    for (int k = 0; k < n - 1; k++) {
        int j = k % 2 == 0 ? low++ : high--;
        gould_factors[k] = ((long double)-n * a) - ((long double)j * b);
    }
}

// Multiplies the polynomial of degree k in coefficients by x + factor.
static void multiply_by_linear_factor(int k, long double factor)
{
    for (int m = k + 1; m >= 0; m--) {
        gould_work[m] = coefficients[m] * factor;
        if (m >= 1)
            gould_work[m] = coefficients[m - 1] + gould_work[m];
    }
    for (int m = 0; m <= k + 1; m++)
        coefficients[m] = gould_work[m];
}

// G(a,b,0;x) = 1 and, for n >= 1, G(a,b,n;x) = x * product over j = 1..n-1 of
// (x - n a - j b): a monic polynomial whose constant term is 0. The product is
// expanded in extended precision; its coefficients reach about 4e313
// (a = b = 10, n = 100), beyond the range of a double, and stay extended.
void compute_table(double a, double b, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++) {
        coefficients[i] = 0.0L;
        gould_factors[i] = 0.0L;
        gould_work[i] = 0.0L;
    }
    if (n == 0) {
        coefficients[0] = 1.0L;
        return;
    }
    if (n == 1) {
        coefficients[1] = 1.0L;
        return;
    }
    if (n == 2) {
        coefficients[1] = (-2.0L * a) - b;
        coefficients[2] = 1.0L;
        return;
    }
    order_gould_factors(a, b, n);
    coefficients[0] = gould_factors[0];
    coefficients[1] = 1.0L;
    for (int k = 1; k <= n - 2; k++)
        multiply_by_linear_factor(k, gould_factors[k]);
    for (int i = n - 1; i >= 0; i--)  // the factor x
        coefficients[i + 1] = coefficients[i];
    coefficients[0] = 0.0L;
}

// The parameter lines of this file carry a leading blank: " a = ", " b = ".
void write_table(FILE *file, int n)
{
    if (tables_written == 0) {
        char value[CELL_BUF_SIZE];
        write_parameter_title(file, "GOULD POLYNOMIAL", "グールド多項式");
        format_real_parameter(value, param_a);
        write_parameter_line(file, " a", value);
        format_real_parameter(value, param_b);
        write_parameter_line(file, " b", value);
    }
    write_polynomial_table(file, coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_a, param_b, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
