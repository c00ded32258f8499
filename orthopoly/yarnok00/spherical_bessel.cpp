#include "spherical_bessel.h"

#include <cmath>

#include "exp_extended.h"
#include "result_file.h"
#include "table_rows.h"

CoefficientTable c_coefficients;
int neumann_function_mode;

// ln of a factorial ratio top! / (first! second!) in a double accumulator:
// the logarithms of 1..top added, then those of 1..first and 1..second subtracted.
static double log_factorial_ratio(int top, int first, int second)
{
    double s = 0.0;
    for (int i = 1; i <= top; i++)
        s = s + log((double)i);
    for (int i = 1; i <= first; i++)
        s = s - log((double)i);
    for (int j = 1; j <= second; j++)
        s = s - log((double)j);
    return s;
}

// ln[(n+2k)! / ((2k)! (n-2k)!)], for 0 <= 2k <= n.
double log_even_term(int n, int k)
{
    return log_factorial_ratio(n + 2 * k, n - 2 * k, 2 * k);
}

// ln[(n+2k+1)! / ((2k+1)! (n-2k-1)!)], for 0 <= 2k+1 <= n.
double log_odd_term(int n, int k)
{
    return log_factorial_ratio(n + 2 * k + 1, n - 2 * k - 1, 2 * k + 1);
}

// a_k = (n+2k)! / ((2k)! (n-2k)!) / 2^(2k) and b_k = (n+2k+1)! / ((2k+1)! (n-2k-1)!) / 2^(2k+1),
// each the 80-bit exponential of its double logarithm, divided by the power
// of two and given the sign (-1)^e. The largest, at n = 100, k = 50, is
// 200!/100! / 2^100, about 6.7e186.
static long double signed_a(int n, int k, int e)
{
    long double v = exp_extended(log_even_term(n, k));
    v = v / pow(2.0, 2 * k);
    return pow(-1.0, e) * v;
}

static long double signed_b(int n, int k, int e)
{
    long double v = exp_extended(log_odd_term(n, k));
    v = v / pow(2.0, 2 * k + 1);
    return pow(-1.0, e) * v;
}

// The s-terms and c-terms of the four cases, h = [n/2]:
//   j, n even: s[n-2k] = (-1)^(h+k) a_k (k <= h),     c[n-2k-1] = (-1)^(h+k) b_k (k < h)
//   j, n odd:  s[n-2k-1] = (-1)^(h+k) b_k (k <= h),   c[n-2k] = (-1)^(h+k+1) a_k (k <= h)
//   n, n even: s[n-2k-1] = (-1)^(h+k) b_k (k < h),    c[n-2k] = (-1)^(h+k+1) a_k (k <= h)
//   n, n odd:  s[n-2k] = (-1)^(h+k+1) a_k (k <= h),   c[n-2k-1] = (-1)^(h+k+1) b_k (k <= h)
// so that j(0;z) = sin z / z, j(1;z) = (sin z - z cos z) / z^2, n(0;z) = -cos z / z.
static void fill_j(int n, int h)
{
    if (n % 2 == 0) {
        for (int k = 0; k <= h; k++)
            coefficients[n - 2 * k] = signed_a(n, k, h + k);
        for (int k = 0; k <= h - 1; k++)
            c_coefficients[n - 2 * k - 1] = signed_b(n, k, h + k);
    } else {
        for (int k = 0; k <= h; k++)
            coefficients[n - 2 * k - 1] = signed_b(n, k, h + k);
        for (int k = 0; k <= h; k++)
            c_coefficients[n - 2 * k] = signed_a(n, k, h + k + 1);
    }
}

static void fill_n(int n, int h)
{
    if (n % 2 == 0) {
        for (int k = 0; k <= h - 1; k++)
            coefficients[n - 2 * k - 1] = signed_b(n, k, h + k);
        for (int k = 0; k <= h; k++)
            c_coefficients[n - 2 * k] = signed_a(n, k, h + k + 1);
    } else {
        for (int k = 0; k <= h; k++)
            coefficients[n - 2 * k] = signed_a(n, k, h + k + 1);
        for (int k = 0; k <= h; k++)
            c_coefficients[n - 2 * k - 1] = signed_b(n, k, h + k + 1);
    }
}

void compute_table(int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++) {
        coefficients[i] = 0.0L;
        c_coefficients[i] = 0.0L;
    }
    int h = n % 2 == 0 ? n / 2 : (n - 1) / 2;
    if (neumann_function_mode)
        fill_n(n, h);
    else
        fill_j(n, h);
}

// One block of three columns: the power of z, s(z) and c(z).
void write_table(FILE *file, int n)
{
    if (tables_written == 0) {
        if (neumann_function_mode)
            put_text(file, choose_text("POLYNOMIALS OF SPHERICAL BESSEL n(n;z)", "球ベッセル n(n;z) の多項式"));
        else
            put_text(file, choose_text("POLYNOMIALS OF SPHERICAL BESSEL j(n;z)", "球ベッセル j(n;z) の多項式"));
        put_newline(file);
    }
    char number[CELL_BUF_SIZE];
    char line[CELL_BUF_SIZE];
    format_degree(number, n);
    if (is_japanese)
        snprintf(line, sizeof line, "*** 多項式 s(z), c(z) : %.32s次 ***", number);
    else
        snprintf(line, sizeof line, "*** polynomial s(z) and c(z) : degree %.32s ***", number);
    put_newline(file);
    put_text(file, line);
    put_newline(file);
    write_two_column_header(file, "s(z) Coef.", "s(z) 係数", "c(z) Coef.", "c(z) 係数");
    write_two_column_rows(file, " z^%d", coefficients, c_coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
