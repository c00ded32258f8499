#include "jacobi.h"

#include <cmath>

#include "factorials.h"
#include "one_parameter.h"
#include "result_file.h"

double param_b;
int expand_option;

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

// The degree of G(a,b,n;y) in y: n, unless a is an integer with n <= -a <= 2n-1,
// when the factor n + a + d of R(m) vanishes for d = -(n + a) and all m > d.
static int degree_in_y(double a, int n)
{
    long double d = -((long double)n + a);
    if (d >= 0 && d < n && floorl(d) == d)
        return (int)d;
    return n;
}

// G(a,b,n;(1-x)/2) = sum over j = 0..d of c_j x^j, d = degree_in_y, for -10 <= a, b <= 10
// and b neither 0 nor a negative integer. The polynomial is n!/(b)_n times the
// Jacobi polynomial with alpha = b - 1, beta = a - b, so it solves
//     (1 - x^2) y'' + (a - 2b + 1 - (a + 1) x) y' + n (n + a) y = 0,
// whose coefficient of x^j gives, for j < d,
//     c_j = -((j + 2)(j + 1) c_(j+2) + (a - 2b + 1)(j + 1) c_(j+1)) / ((n - j)(n + j + a)),
// with (n - j)(n + j + a) != 0 below d, started from the top coefficient
//     c_d = C(n,d) R(d) / 2^d   (the x^d part of the term m = d; terms m > d vanish).
// Summing the terms (-1)^m C(n,m) R(m) ((1-x)/2)^m instead cancels by up to
// 40 decimal digits at n = 100; this backward recurrence keeps every
// coefficient within 1e-17 times the largest one (about 200 units of the last
// extended place; the worst seen is 5e-18, where n + j + a is near 0).
// All in extended precision; 2^d is exact.
static void compute_expanded(double a, double b, int n)
{
    int d = degree_in_y(a, n);
    long double binomial_nd = 1.0L;  // C(n,d), exact: d < n happens only for n <= 10
    if (d < n)
        for (int i = 0; i < d; i++)
            binomial_nd = binomial_nd * (n - i) / (i + 1);
    coefficients[d] = ldexpl(binomial_nd * jacobi_pochhammer_ratio(a, b, n, d), -d);
    long double slope = ((long double)a - 2.0L * b) + 1.0L;  // a - 2b + 1 = beta - alpha
    for (int j = d - 1; j >= 0; j--) {
        long double above = (long double)((j + 2) * (j + 1)) * coefficients[j + 2];
        long double next = slope * (j + 1) * coefficients[j + 1];
        coefficients[j] = -(above + next) / ((long double)(n - j) * (((long double)n + j) + a));
    }
    // b = (a+1)/2: equal Jacobi parameters, the parity of n; the other powers are 0
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
    write_polynomial_table(file, coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_a, param_b, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
