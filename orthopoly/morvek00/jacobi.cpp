#include "jacobi.h"

#include <cmath>

#include "factorials.h"
#include "one_parameter.h"
#include "result_file.h"

double param_b;
int expand_option;
CoefficientTable expansion_terms;

// R(k) = product over i = 0..k-1 of (n + a + i) / (i + b), in extended precision
// (n and i exact integers, a and b doubles); 1 for k = 0. b + i must not vanish.
long double jacobi_pochhammer_ratio(double a, double b, int n, int k)
{
    long double product = 1.0L;
    for (int i = 0; i < k; i++)
        product = ((((long double)n + a) + i) / ((long double)i + b)) * product;
    return product;
}

// coefficient of x^m: (-1)^m C(n,m) R(m)
static void compute_plain(double a, double b, int n)
{
    coefficients[0] = 1.0L;
    for (int m = 1; m <= n; m++) {
        coefficients[m] = binomial_coefficient(n, m) * jacobi_pochhammer_ratio(a, b, n, m);
        if (m % 2 == 1)
            coefficients[m] = coefficients[m] * -1.0L;
    }
}

// The m-th term (-1)^m C(n,m) R(m) ((1-x)/2)^m expanded into expansion_terms:
// ((1-x)/2)^m = sum over j = 0..m of (-1)^j C(m,j) x^j / 2^m.
static void expand_term(double a, double b, int n, int m)
{
    for (int j = 0; j < TABLE_SLOTS; j++)
        expansion_terms[j] = 0.0L;
    if (m == 0) {
        expansion_terms[0] = 1.0L;
        return;
    }
    for (int j = 0; j <= m; j++) {
        expansion_terms[j] = j == 0 ? 1.0L : (long double)binomial_coefficient(m, j);
        if (j % 2 == 1)
            expansion_terms[j] = expansion_terms[j] * -1.0L;
    }
    double power = pow(2.0, m);  // exact
    for (int j = 0; j <= m; j++)
        expansion_terms[j] = expansion_terms[j] / power;
    long double d = binomial_coefficient(n, m);
    long double e = jacobi_pochhammer_ratio(a, b, n, m);
    long double s = m % 2 == 1 ? -1.0L : 1.0L;
    for (int j = 0; j <= m; j++)
        expansion_terms[j] = ((d * e) * s) * expansion_terms[j];
}

// G(a,b,n;(1-x)/2) = sum over m of the expanded terms. For b = (a+1)/2 it is a
// multiple of the Jacobi polynomial P(n; b-1, b-1; x) with equal parameters,
// which has the parity of n: the powers of the other parity are set to exactly
// 0 instead of keeping their rounding residues.
static void compute_expanded(double a, double b, int n)
{
    for (int m = 0; m <= n; m++) {
        expand_term(a, b, n, m);
        for (int j = 0; j <= m; j++)
            coefficients[j] += expansion_terms[j];
    }
    if ((long double)a * 0.5L + 0.5L == (long double)b)
        for (int j = n - 1; j >= 0; j -= 2)
            coefficients[j] = 0.0L;
}

// The coefficients of G(a,b,n;x), or of G(a,b,n;(1-x)/2) when expand_option is
// 1, in powers of x; with normalization divided by the leading one, which then
// is exactly 1. A leading coefficient of 0 (see first_degree_without_leading_term,
// which the Calculation command tests first) leaves the table unnormalized.
void compute_table(double a, double b, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    if (expand_option == 1)
        compute_expanded(a, b, n);
    else
        compute_plain(a, b, n);
    if (normalize == 1 && coefficients[n] != 0) {
        for (int i = 0; i < n; i++)
            coefficients[i] = coefficients[i] / coefficients[n];
        coefficients[n] = 1.0L;
    }
}

// The leading coefficient of degree k is +-C(k,k) R(k), divided by 2^k after
// expansion: it vanishes exactly when R(k) does.
int first_degree_without_leading_term(double a, double b, int n, int all)
{
    for (int k = all ? 0 : n; k <= n; k++)
        if (jacobi_pochhammer_ratio(a, b, k, k) == 0)
            return k;
    return -1;
}

void write_table(FILE *file, int n)
{
    if (tables_written == 0) {
        char value[CELL_BUF_SIZE];
        write_parameter_title(file, "JACOBI POLYNOMIAL", "ヤコビ多項式");
        format_real_parameter(value, param_a);
        write_parameter_line(file, "a", value);
        format_real_parameter(value, param_b);
        write_parameter_line(file, "b", value);
        write_normalization_note(file);
        if (expand_option == 1) {
            put_text(file, choose_text("Note: The polynomial is expanded by replacing x with (1-x)/2.",
                                       "注：x を (1-x)/2 に置換して展開した多項式です."));
            put_newline(file);
        }
    }
    write_degree_heading(file, n);
    write_column_header(file);
    write_coefficient_rows(file, " X^%d", coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_a, param_b, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
