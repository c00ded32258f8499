#include "ultraspherical.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "normalization.h"
#include "one_parameter.h"
#include "result_file.h"

int order_m = 1;

double log_double_factorial(int k)
{
    double s = 0.0;
    for (int i = 1; i <= k; i++)
        s = s + log((double)(2 * i - 1));
    return s;
}

// P(n,m;x) = sum over s = 0..[(n-m)/2] of
//            (-1)^s (2n - 2s - 1)!! / (2^s s! (n - m - 2s)!) x^(n-m-2s),
// for 0 <= m <= n <= 101, each coefficient the double exponential of a sum of
// logarithms. With normalization every coefficient is divided by the
// leading one, (2n - 1)!! / (n - m)!, never 0, which is set to exactly 1.
void compute_table(int n, int m)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    int d = n - m;
    int half = (int)floor(d * 0.5);
    for (int s = 0; s <= half; s++) {
        long double l = (((long double)log_double_factorial(n - s) - log_factorial(s)) - log_power_of_two(s)) -
                        log_factorial(d - 2 * s);
        coefficients[d - 2 * s] = exp((double)l);
        if (s % 2 == 1)
            coefficients[d - 2 * s] = -1.0L * coefficients[d - 2 * s];
    }
    if (normalize == 1)
        divide_by_leading(coefficients, d);
}

// The block of degree k; the title block names the chosen n and m.
void write_table(FILE *file, int k)
{
    if (tables_written == 0) {
        char text[CELL_BUF_SIZE];
        write_parameter_title(file, "ULTRASPHERICAL POLYNOMIAL", "超球多項式");
        format_degree(text, degree);
        write_parameter_line(file, "n", text);
        format_degree(text, order_m);
        write_parameter_line(file, "m", text);
        write_normalization_note(file);
    }
    write_polynomial_table(file, coefficients, k);
}

// One polynomial is the block of degree n - m; in all-degrees mode the block
// of degree k holds the (n - k)-th derivative of P(n;x), n held fixed. The
// driver's loop runs over the degrees k = 0..n - m.
static void tabulate(FILE *file, int k)
{
    compute_table(degree, degree - k);
    write_table(file, k);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
