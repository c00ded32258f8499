#include "stirling_numbers.h"

#include "falling_factorial.h"
#include "result_file.h"
#include "stirling_second_kind.h"

long double first_kind_row[TABLE_SLOTS];
long double first_kind_next[TABLE_SLOTS];
long double first_kind_out[TABLE_SLOTS];
long double second_kind_row[TABLE_SLOTS];
long double second_kind_prev[TABLE_SLOTS];

static void zero_row(long double *row)
{
    for (int k = 0; k < TABLE_SLOTS; k++)
        row[k] = 0.0L;
}

// s(n,k) = s(n-1,k-1) - (n-1) s(n-1,k), s(n,0) = 0, s(n,n) = 1: the
// coefficients of x(x-1)...(x-n+1). Both parts carry the sign (-1)^(n-k),
// so the sum never cancels; exact integers up to n = 21, each later step
// adds at most a rounding of the last place.
//
// In all-degrees mode the row is advanced by one step from the kept row
// s(n-1,.): this relies on the driver calling n = 1, 2, ..., N in ascending
// order (n = 1 resets the row). A single n rebuilds the whole row.
void compute_table_first_kind(int n)
{
    long double *row = first_kind_row;
    zero_row(first_kind_out);
    zero_row(first_kind_next);
    if (n == 0) {
        zero_row(row);
        row[0] = 1.0L;
    } else if (n == 1) {
        zero_row(row);
        row[1] = 1.0L;
    } else if (output_all_degrees == 0) {
        zero_row(row);
        expand_falling_factorial(row, first_kind_next, TABLE_SLOTS, n);
        row[0] = 0.0L;
        row[n] = 1.0L;
    } else {
        if (n == 2) {
            zero_row(row);
            row[1] = 1.0L;
        }
        next_falling_factorial(row, first_kind_next, n);
        for (int j = 0; j <= n; j++)
            row[j] = first_kind_next[j];
    }
    for (int j = 0; j <= n; j++)
        first_kind_out[j] = row[j];
}

// The second kind: x^n = sum over m of S(n,m) x(x-1)...(x-m+1). Exact
// integers up to n = 26. In all-degrees mode one step from the kept row
// S(n-1,.), relying on the ascending order of the driver as the first kind.
void compute_table_second_kind(int n)
{
    if (n == 0) {
        zero_row(second_kind_row);
        second_kind_row[0] = 1.0L;
    } else if (n == 1) {
        zero_row(second_kind_row);
        second_kind_row[1] = 1.0L;
    } else if (output_all_degrees == 0) {
        zero_row(second_kind_row);
        second_kind_row[1] = 1.0L;
        for (int j = 2; j <= n; j++)
            step_second_kind(second_kind_row, second_kind_prev, TABLE_SLOTS, j);
    } else {
        step_second_kind(second_kind_row, second_kind_prev, TABLE_SLOTS, n);
    }
}

void write_table(FILE *file, int n)
{
    char number[CELL_BUF_SIZE];
    char cell[CELL_BUF_SIZE];
    if (tables_written == 0) {
        put_text(file, choose_text("STIRLING NUMBERS", "スターリング数"));
        put_newline(file);
    }
    put_newline(file);
    format_degree(number, n);
    put_text(file, "k");
    put_tab(file);
    snprintf(cell, sizeof cell, "s(%.32s,k)", number);
    put_text(file, cell);
    put_tab(file);
    snprintf(cell, sizeof cell, "S(%.32s,k)", number);
    put_text(file, cell);
    put_newline(file);
    for (int k = 1; k <= n; k++) {
        snprintf(cell, sizeof cell, " %d", k);
        put_text(file, cell);
        put_tab(file);
        format_coefficient(cell, first_kind_out[k]);
        put_text(file, cell);
        put_tab(file);
        format_coefficient(cell, second_kind_row[k]);
        put_text(file, cell);
        put_newline(file);
    }
}

static void tabulate(FILE *file, int n)
{
    compute_table_first_kind(n);
    compute_table_second_kind(n);
    write_table(file, n);
}

// All rows run n = 1..N: there is no block for n = 0.
const TableSpec table_spec = {1, tabulate, standard_size_estimate};
