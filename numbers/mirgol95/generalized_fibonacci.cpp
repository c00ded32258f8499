#include "generalized_fibonacci.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "calc_state.h"
#include "numeric_filter.h"
#include "result_file.h"

long double fibonacci_numbers[FIBONACCI_SLOTS];
double param_p;
double param_q;

int read_start_value(const char *text, double *value)
{
    if (text[0] == '\0' || !numeric_text_is_acceptable(text, NUMERIC_SIGNED))
        return 0;
    double read = atof(text);
    if (!std::isfinite(read))
        return 0;
    *value = read;
    return 1;
}

// G[n] at n + 100.
static long double &entry(int n)
{
    return fibonacci_numbers[n - FIBONACCI_FIRST_INDEX];
}

// G[n+2] = G[n+1] + G[n] upward from G[0] = p, G[1] = q, and
// G[n-1] = G[n+1] - G[n] downward, so that G[-n] = (-1)^(n+1) (q F[n] - p F[n+1])
// with the Fibonacci numbers F. Each step rounds once to the 64-bit mantissa:
// integral p and q give exact values while they stay below 2^64. With
// |p|, |q| below the largest double, |G[n]| < 2^1025 * F[101] stays far
// inside the extended range, so no value overflows.
void compute_table(double p, double q, int n)
{
    for (int i = 0; i < FIBONACCI_SLOTS; i++)
        fibonacci_numbers[i] = 0.0L;
    if (p == 0 && q == 0)
        return;
    if (n == 0) {
        entry(0) = p;
        return;
    }
    if (n == 1) {
        entry(1) = q;
        return;
    }
    entry(0) = p;
    entry(1) = q;
    for (int i = 0; i <= n - 2; i++)
        entry(i + 2) = entry(i) + entry(i + 1);
    for (int i = 0; i >= n + 1; i--)
        entry(i - 1) = entry(i + 1) - entry(i);
}

// " p = G[0] = " and " q = G[1] = " with their values; in all-indices mode an
// empty line and the column header follow.
static void write_title_block_of_numbers(FILE *file)
{
    char value_text[CELL_BUF_SIZE];
    put_text(file, choose_text("GENERALIZED FIBONACCI NUMBERS", "一般化フィボナッチ数"));
    put_newline(file);
    put_newline(file);
    format_real_parameter(value_text, param_p);
    put_text(file, " p = G[0] = ");
    put_text(file, value_text);
    put_newline(file);
    format_real_parameter(value_text, param_q);
    put_text(file, " q = G[1] = ");
    put_text(file, value_text);
    put_newline(file);
    if (output_all_degrees) {
        put_newline(file);
        put_text(file, " N");
        put_tab(file);
        put_text(file, " G[N]");
        put_newline(file);
    }
}

// G[j] in "%-17.8LE" without the field's trailing blanks; zero without a sign.
static void format_number(char *out, long double value)
{
    char field[CELL_BUF_SIZE];
    format_coefficient(field, value);
    const char *digits = field;
    while (*digits == ' ')
        digits++;
    strcpy(out, digits);
}

void write_table(FILE *file, int j)
{
    if (tables_written == 0)
        write_title_block_of_numbers(file);
    char index_text[CELL_BUF_SIZE], value_text[CELL_BUF_SIZE];
    format_degree(index_text, j);
    format_number(value_text, entry(j));
    if (output_all_degrees) {
        // positive values get a blank where negative ones have their sign
        put_text(file, index_text);
        put_tab(file);
        if (value_text[0] != '-')
            put_text(file, " ");
        put_text(file, value_text);
    } else {
        put_text(file, " G[");
        put_text(file, index_text);
        put_text(file, "] = ");
        put_text(file, value_text);
    }
    put_newline(file);
}

static void tabulate(FILE *file, int j)
{
    compute_table(param_p, param_q, j);
    write_table(file, j);
}

// 6130 bytes for the 201 lines of all indices, 130 for one.
static long estimate_bytes(int, int all)
{
    return all ? 6130 : 130;
}

const TableSpec table_spec = {
    .first_degree = FIBONACCI_FIRST_INDEX,
    .tabulate = tabulate,
    .estimate_bytes = estimate_bytes,
    .all_degrees_last = FIBONACCI_LAST_INDEX,
};
