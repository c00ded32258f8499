#include "tchebycheff.h"

#include <cmath>

#include "factorials.h"
#include "normalization.h"
#include "result_file.h"
#include "table_rows.h"

CoefficientTable u_coefficients;

// 2^k as a double; 1 for k = 0 and 0.5 for k = -1.
double power_of_two(int k)
{
    return pow(2.0, k);
}

// T(n;x) = sum over m = 0..[n/2] of (-1)^m 2^(n-2m-1) n/(n-m) C(n-m,m) x^(n-2m)
// for n >= 1 (the term m = n/2 of an even n takes 2^-1), T(0;x) = 1.
// n/(n-m) is a real quotient (n - m >= n/2 > 0): T(3;x) = 4x^3 - 3x.
static void fill_t(int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    if (n == 0) {
        coefficients[0] = 1.0L;
        return;
    }
    int half = (int)floor(n * 0.5);
    for (int m = 0; m <= half; m++) {
        int i = n - 2 * m;
        coefficients[i] = (long double)binomial_coefficient(n - m, m) * power_of_two(n - 2 * m - 1);
        coefficients[i] = ((long double)n / (n - m)) * coefficients[i];
        if (m % 2 == 1)
            coefficients[i] = -1.0L * coefficients[i];
    }
}

// U~(n;x) = T'(n;x)/n = sum over j = 1..n of (j T_j / n) x^(j-1); no
// coefficient at all for n = 0.
static void fill_u(int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        u_coefficients[i] = 0.0L;
    for (int j = 1; j <= n; j++)
        u_coefficients[j - 1] = (j * coefficients[j]) / n;
}

// Both polynomials of degree n; with normalization each is divided by its
// leading coefficient: T_n = 2^(n-1) (1 for n = 0) and U~_(n-1) = T_n, never 0.
void compute_table(int n)
{
    fill_t(n);
    fill_u(n);
    if (normalize == 1) {
        divide_by_leading(coefficients, n);
        if (n >= 1)
            divide_by_leading(u_coefficients, n - 1);
    }
}

static void write_title(FILE *file)
{
    put_text(file, choose_text("TCHEBYCHEFF POLYNOMIALS T(n;x), U~(n;x)", "チェビシェフ多項式 T(n;x), U~(n;x)"));
    put_newline(file);
    put_text(file, choose_text("   Note: U~(n;x) = U(n;x)/sqrt(1-x*x)", "   注：U~(n;x) = U(n;x)/sqrt(1-x*x)"));
    put_newline(file);
    put_text(file, choose_text("         Degree of U~(n;x) is n-1.", "       U~(n;x) の次数は n-1."));
    put_newline(file);
    if (normalize == 1) {
        put_newline(file);
        put_text(file, choose_text("Note: Coefficients are normalized.", "注：係数は基準化されています."));
        put_newline(file);
    }
}

// One block of three columns: the power, T and U~ (whose last row is always 0).
void write_table(FILE *file, int n)
{
    if (tables_written == 0)
        write_title(file);
    write_degree_heading(file, n);
    write_two_column_header(file, "T(n;x) Coef.", "T(n;x) 係数", "U~(n;x) Coef.", "U~(n;x) 係数");
    write_two_column_rows(file, " X^%d", coefficients, u_coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
