#include "neumann.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "result_file.h"
#include "table_rows.h"

// ln(n + d(n)) with d(0) = 2 and d(n) = 0 otherwise: ln n, and ln 2 for n = 0.
double log_neumann_factor(int n)
{
    return n == 0 ? log(2.0) : log((double)n);
}

// O(n;t) = sum over s = 0..[n/2] of 2^(n-2s-1) (n-s-1+d(n))! (n+d(n)) / s! t^-(n-2s+1),
// so O(0;t) = 1/t, O(1;t) = 1/t^2, O(2;t) = 1/t + 4/t^3; coefficients[i] holds
// the coefficient of t^-i. The logarithm is summed in 80 bits, rounded to
// double and turned back with the double exponential; at n = 0 its terms
// -ln 2 + ln 0! + ln 2 - ln 0! give exactly 1. The largest coefficient, at
// n = 99, is about 3.0e185.
void compute_table(int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    int half = (int)floor(n * 0.5);
    for (int s = 0; s <= half; s++) {
        long double sum = (long double)log_power_of_two(n - 2 * s - 1) + log_factorial(n - s - 1);
        sum = sum + log_neumann_factor(n);
        sum = sum - log_factorial(s);
        coefficients[n - 2 * s + 1] = exp((double)sum);
    }
}

// The title and its two notes before the first table; the heading shows the
// degree -n-1, the highest power of 1/t, and the rows run t^0 .. t^-(n+1).
void write_table(FILE *file, int n)
{
    if (tables_written == 0) {
        put_text(file, choose_text("NEUMANN POLYNOMIAL", "ノイマン多項式"));
        put_newline(file);
        put_text(file, choose_text("Note: There does not exist the Neumann polynomial of degree 0.",
                                   "注：0 次のノイマン多項式は、存在しません."));
        put_newline(file);
        put_text(file, choose_text("Note: The coefficient for t^0 term is always zero.", "注：t^0 の項の係数は、常に零です."));
        put_newline(file);
    }
    write_degree_heading(file, -n - 1);
    write_column_header(file);
    write_negative_power_rows(file, " t^%d", coefficients, n + 1);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
