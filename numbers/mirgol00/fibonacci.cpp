#include "fibonacci.h"

#include "fibonacci_polynomial.h"
#include "result_file.h"

// The block of F(n;x), n = d + 1: its heading names the degree d and the
// index n; after the rows X^0 .. X^d comes the number F_n.
void write_table(FILE *file, int d)
{
    int n = d + 1;
    write_title_block(file, "FIBONACCI POLYNOMIAL", "フィボナッチ多項式");
    write_indexed_degree_heading(file, d, "F", n);
    write_column_header(file);
    write_coefficient_rows(file, " X^%d", coefficients, d);
    write_number_line(file, " Fibonacci number F[", " フィボナッチ数 F[", n, exact_number_texts[n - 1],
                      number_table[n]);
}

// One step of the driver: the list value n gives F(n;x).
static void tabulate(FILE *file, int n)
{
    compute_fibonacci_polynomial(n);
    write_table(file, n - 1);
}

const TableSpec table_spec = {1, tabulate, standard_size_estimate};
