#include "bell.h"

#include "result_file.h"
#include "stirling_second_kind.h"

long double bell_numbers[TABLE_SLOTS];
long double bell_prev_row[TABLE_SLOTS];

static void clear_row(long double *row)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        row[i] = 0.0L;
}

// coefficients[k] = S(n,k), k = 0..n, and bell_numbers[n] = B_n = sum of the row.
// In all-degrees mode the driver calls n = 0, 1, 2, ... in ascending order,
// so coefficients holds row n-1 when n >= 2 arrives and one step suffices
// (n = 0 and n = 1 restart the chain); a single degree rebuilds the row from
// S(1,1) = 1. All terms are positive: S(n,k) and B_n are exact integers while
// they fit the 64-bit mantissa and within about n units of the last place beyond.
void compute_table(int n)
{
    if (n <= 1) {
        clear_row(coefficients);
        clear_row(bell_numbers);
        coefficients[n] = 1.0L;
        bell_numbers[n] = 1.0L;
        return;
    }
    if (output_all_degrees == 0) {
        clear_row(coefficients);
        coefficients[1] = 1.0L;
        for (int j = 2; j <= n; j++)
            step_second_kind(coefficients, bell_prev_row, TABLE_SLOTS, j);
    } else {
        step_second_kind(coefficients, bell_prev_row, TABLE_SLOTS, n);  // from row n-1
    }
    bell_numbers[n] = 0.0L;
    for (int k = 1; k <= n; k++)
        bell_numbers[n] = bell_numbers[n] + coefficients[k];
}

// " Bell number B[d] : " and B_n as "%-17.8LE" without its trailing blanks.
static void write_bell_number_line(FILE *file, int n)
{
    char number[CELL_BUF_SIZE];
    char value[CELL_BUF_SIZE];
    format_degree(number, n);
    format_coefficient(value, bell_numbers[n]);
    // format_coefficient right-aligns in 17 places; the line wants the digits alone
    const char *digits = value;
    while (*digits == ' ')
        digits++;
    put_text(file, choose_text(" Bell number B[", " ベル数 B["));
    put_text(file, number);
    put_text(file, "] : ");
    put_text(file, digits);
    put_newline(file);
}

void write_table(FILE *file, int n)
{
    write_title_block(file, "BELL POLYNOMIAL", "ベル多項式");
    write_polynomial_table(file, coefficients, n);
    write_bell_number_line(file, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
