#include "eulerian_numbers.h"

#include "result_file.h"

EulerianTriangle eulerian_first;
EulerianTriangle eulerian_second;
long double eulerian_prev_row[TABLE_SLOTS];
int second_order;

void reset_eulerian_triangles()
{
    reset_eulerian_triangle(eulerian_first);
    reset_eulerian_triangle(eulerian_second);
}

static EulerianTriangle &current_triangle()
{
    return second_order ? eulerian_second : eulerian_first;
}

// A1(n,k) = (k+1) A1(n-1,k) + (n-k) A1(n-1,k-1) and
// A2(n,k) = (k+1) A2(n-1,k) + (2n-k-1) A2(n-1,k-1): positive terms, exact
// integers while they fit the 64-bit mantissa, rounded beyond. Each order
// has its own triangle, so switching the order never mixes the two rules;
// rows computed once are kept until the program ends.
void compute_table(int n)
{
    fill_eulerian_rows(current_triangle(), eulerian_prev_row, n, second_order);
}

void write_table(FILE *file, int n)
{
    char number[CELL_BUF_SIZE];
    char cell[CELL_BUF_SIZE];
    if (tables_written == 0) {
        if (second_order)
            put_text(file, choose_text("SECOND-ORDER EULERIAN NUMBERS", "２階のオイラリアン数"));
        else
            put_text(file, choose_text("FIRST-ORDER EULERIAN NUMBERS", "１階のオイラリアン数"));
        put_newline(file);
    }
    put_newline(file);
    format_degree(number, n);
    put_text(file, "k");
    put_tab(file);
    snprintf(cell, sizeof cell, "%s(%.32s,k)", second_order ? "A2" : "A1", number);
    put_text(file, cell);
    put_newline(file);
    const long double *row = current_triangle()[n];
    for (int k = 0; k <= n - 1; k++) {
        snprintf(cell, sizeof cell, " %d", k);
        put_text(file, cell);
        put_tab(file);
        format_coefficient(cell, row[k]);
        put_text(file, cell);
        put_newline(file);
    }
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

// All rows run n = 1..N.
const TableSpec table_spec = {1, tabulate, standard_size_estimate};
