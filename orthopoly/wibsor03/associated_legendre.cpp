#include "associated_legendre.h"

#include <cmath>

#include "calc_state.h"
#include "exp_extended.h"
#include "result_file.h"

int order_m;

// ln[(2n-2k)! / ((n-k)! (n-m-2k)! k!)] in a double accumulator: the logarithms
// of 1..2n-2k added, then those of 1..n-k, 1..n-m-2k and 1..k subtracted, in
// this order. For 0 <= m <= n and 0 <= 2k <= n - m.
double log_associated_term(int m, int n, int k)
{
    double s = 0.0;
    for (int i = 1; i <= 2 * n - 2 * k; i++)
        s = s + log((double)i);
    for (int i = 1; i <= n - k; i++)
        s = s - log((double)i);
    for (int j = 1; j <= n - m - 2 * k; j++)
        s = s - log((double)j);
    for (int j = 1; j <= k; j++)
        s = s - log((double)j);
    return s;
}

// p(m,n;x), the m-th derivative of P(n;x):
//   sum over k = 0..[(n-m)/2] of (-1)^k (2n-2k)! / (2^n k! (n-k)! (n-m-2k)!) x^(n-m-2k)
// for m <= n, and 0 for m > n. Each factorial ratio is the 80-bit exponential
// of its double logarithm; the largest, 200!/100! at m = n = 100, is about 8.5e216.
void compute_table(int m, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    if (n < m)
        return;
    int last = (n - m) / 2;
    long double power = pow(2.0, n);
    for (int k = 0; k <= last; k++) {
        int i = n - m - 2 * k;
        coefficients[i] = exp_extended(log_associated_term(m, n, k));
        coefficients[i] = coefficients[i] / power;
        coefficients[i] = pow(-1.0, k) * coefficients[i];
    }
}

static void write_pair_heading(FILE *file, int m, int n)
{
    char m_text[CELL_BUF_SIZE];
    char n_text[CELL_BUF_SIZE];
    char line[CELL_BUF_SIZE];
    format_degree(m_text, m);
    format_degree(n_text, n);
    if (is_japanese)
        snprintf(line, sizeof line, "*** p(%.16s,%.16s;x) 多項式 ***", m_text, n_text);
    else
        snprintf(line, sizeof line, "*** polynomial p(%.16s,%.16s;x) ***", m_text, n_text);
    put_newline(file);
    put_text(file, line);
    put_newline(file);
}

// The title and the note on the factor (1-x*x)^(m/2) before the first table;
// then the pair's heading and rows for powers 0..d.
void write_table(FILE *file, int m, int n, int d)
{
    if (tables_written == 0) {
        put_text(file, choose_text("ASSOCIATED LEGENDRE POLYNOMIAL P(m,n;x)", "ルジャンドル陪多項式 P(m,n;x)"));
        put_newline(file);
        put_text(file, choose_text("   Note: P(m,n;x) = (1-x*x)^(m/2) * p(m,n;x)",
                                   "   注：P(m,n;x) = (1-x*x)^(m/2) * p(m,n;x)"));
        put_newline(file);
    }
    write_pair_heading(file, m, n);
    write_column_header(file);
    write_coefficient_rows(file, " X^%d", coefficients, d);
}

void tabulate_pair(FILE *file, int m, int n, int d)
{
    compute_table(m, n);
    write_table(file, m, n, d);
}

int pair_rows(int m, int n)
{
    return n > m ? n - m + 1 : 1;
}

long pair_size_estimate(int m, int n, int all)
{
    long rows = all ? (long)(n + 1) * (n + 2) * (n + 3) / 6 : pair_rows(m, n);
    return rows * 100 + 1000;
}

// One step of the driver's loop. Alone it writes the chosen pair (order_m, n).
// In the all-degrees loop, step n writes every pair (m', n) with m' = 0..n,
// so that the file holds all pairs m' <= n' <= n in the order (0,0), (0,1),
// (1,1), (0,2), ...; tables_written counts each pair, the driver the row's last.
static void tabulate(FILE *file, int n)
{
    if (!output_all_degrees) {
        tabulate_pair(file, order_m, n, pair_rows(order_m, n) - 1);
        return;
    }
    for (int m = 0; m <= n; m++) {
        tabulate_pair(file, m, n, n - m);
        if (m < n)
            tables_written += 1;
    }
}

static long estimate_bytes(int n, int all)
{
    return pair_size_estimate(order_m, n, all);
}

const TableSpec table_spec = {0, tabulate, estimate_bytes};
