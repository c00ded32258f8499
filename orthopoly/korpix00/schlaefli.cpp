#include "schlaefli.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "result_file.h"
#include "table_rows.h"

// S(n;t) = sum over s = 0..[(n-1)/2] of 2^(n-2s) (n-s-1)! / s! t^-(n-2s), all
// terms positive: S(1;t) = 2/t, S(2;t) = 4/t^2, S(3;t) = 2/t + 16/t^3, and
// S(0;t) = 0, since [(0-1)/2] = -1 leaves the sum empty (a floor: the
// truncating integer division would give 0 and a false term 1 at t^0).
// coefficients[i] holds the coefficient of t^-i; the logarithm is summed in
// 80 bits, rounded to double and turned back with the double exponential.
// The largest coefficient, 2^100 99!, is about 1.2e186.
void compute_table(int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    int last = (int)floor((n - 1) * 0.5);
    for (int s = 0; s <= last; s++) {
        long double sum = (long double)log_power_of_two(n - 2 * s) + log_factorial(n - s - 1);
        sum = sum - log_factorial(s);
        coefficients[n - 2 * s] = exp((double)sum);
    }
}

// The title before the first table; the heading shows the degree -n ("0" for
// n = 0) and the rows run t^0 .. t^-n.
void write_table(FILE *file, int n)
{
    if (tables_written == 0) {
        put_text(file, choose_text("SCHLAEFLI POLYNOMIAL", "シュレフリ多項式"));
        put_newline(file);
    }
    write_degree_heading(file, -n);
    write_column_header(file);
    write_negative_power_rows(file, " t^%d", coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
