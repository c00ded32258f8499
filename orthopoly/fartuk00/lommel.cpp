#include "lommel.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "one_parameter.h"
#include "result_file.h"

int lommel_factor_sign;

// c(a,n,s) = (a + s)(a + s + 1) ... (a + n - s - 1): the sum of the logarithms
// of the factors' magnitudes (each factor extended, rounded to double for
// its logarithm; the sum a double). A factor that is exactly 0 ends the sum
// with lommel_factor_sign = 100.
double log_lommel_factors(double a, int n, int s)
{
    double b = (double)((long double)s + a);
    lommel_factor_sign = 1;
    double sum = 0.0;
    for (int i = 0; i < n - 2 * s; i++) {
        long double d = (long double)i + b;
        if (d < 0)
            lommel_factor_sign = -lommel_factor_sign;
        else if (d == 0) {
            lommel_factor_sign = 100;
            return 0.0;
        }
        sum = sum + log(fabs((double)d));
    }
    return sum;
}

// R(a,n;z) = sum over s = 0..[n/2] of
//            (-1)^s 2^(n-2s) (n - s)! c(a,n,s) / (s! (n - 2s)!) z^-(n-2s),
// for 0 <= n <= 100 and -10 <= a <= 10, each coefficient the exponential of
// a sum of logarithms, with the sign of c(a,n,s) kept apart; a zero factor
// gives an exactly zero coefficient.
// The largest exponent, about 462 (n = 100, a = 10), stays in the double range.
void compute_table(double a, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    int half = (int)floor(n * 0.5);
    for (int s = 0; s <= half; s++) {
        int k = n - 2 * s;
        double e = log_power_of_two(k);
        double f = log_factorial(n - s);
        double h = log_lommel_factors(a, n, s);
        if (lommel_factor_sign == 100) {
            coefficients[k] = 0.0L;
            continue;
        }
        double l = log_factorial(s);
        double r = log_factorial(k);
        long double u = ((((long double)e + f) + h) - l) - r;
        coefficients[k] = exp((double)u);
        if (lommel_factor_sign == -1)
            coefficients[k] = coefficients[k] * -1.0L;
        if (s % 2 == 1)
            coefficients[k] = coefficients[k] * -1.0L;
    }
}

// The degree is shown negated, and the rows are the powers z^0, z^-1, ..., z^-n.
void write_table(FILE *file, int n)
{
    if (tables_written == 0) {
        char value_text[CELL_BUF_SIZE];
        format_real_parameter(value_text, param_a);
        write_parameter_title(file, "LOMMEL POLYNOMIAL", "ロンメル多項式");
        write_parameter_line(file, "a", value_text);
    }
    write_degree_heading(file, -n);
    write_column_header(file);
    char cell[CELL_BUF_SIZE];
    for (int i = 0; i <= n; i++) {
        snprintf(cell, sizeof cell, " z^%d", -i);
        put_text(file, cell);
        put_tab(file);
        format_coefficient(cell, coefficients[i]);
        put_text(file, cell);
        put_newline(file);
    }
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_a, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
