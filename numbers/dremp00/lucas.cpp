#include "lucas.h"

#include "fibonacci_polynomial.h"
#include "result_file.h"

// L(1;x) = x and L_1 = 1; for n >= 2, L(n;x) = F(n-1;x) + F(n+1;x) and
// L_n = F_(n-1) + F_(n+1), each sum of two extended reals. The result goes
// into coefficients and number_table[n].
void compute_table(int n)
{
    if (n == 1) {
        for (int i = 0; i < TABLE_SLOTS; i++) {
            coefficients[i] = 0.0L;
            number_table[i] = 0.0L;
        }
        coefficients[1] = 1;
        number_table[1] = 1;
        return;
    }
    CoefficientTable lower = {0}, upper = {0};
    compute_fibonacci_polynomial(n - 1);
    for (int i = 0; i <= n - 2; i++)
        lower[i] = coefficients[i];
    long double a = number_table[n - 1];
    compute_fibonacci_polynomial(n + 1);
    for (int i = 0; i <= n; i++)
        upper[i] = coefficients[i];
    long double b = number_table[n + 1];
    for (int i = 0; i <= n; i++)
        coefficients[i] = lower[i] + upper[i];
    number_table[n] = a + b;
}

// The block of L(n;x), n = d + 1: rows X^0 .. X^n, then the number L_n.
void write_table(FILE *file, int d)
{
    int n = d + 1;
    write_title_block(file, "LUCAS POLYNOMIAL", "リュカ多項式");
    write_indexed_degree_heading(file, n, "L", n);
    write_column_header(file);
    write_coefficient_rows(file, " X^%d", coefficients, n);
    write_number_line(file, " Lucas number L[", " リュカ数 L[", n, exact_number_texts[n - 1], number_table[n]);
}

// One step of the driver: the list value n gives L(n;x).
static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n - 1);
}

const TableSpec table_spec = {1, tabulate, standard_size_estimate};
