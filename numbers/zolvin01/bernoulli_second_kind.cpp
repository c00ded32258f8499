#include "bernoulli_second_kind.h"

#include "falling_factorial.h"
#include "result_file.h"

long double falling_row[TABLE_SLOTS];
long double falling_next[TABLE_SLOTS];

static void clear_row(long double *row)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        row[i] = 0.0L;
}

// b_0 = 1, b_1 = x + 1/2; for n >= 2, with (t)_m = t(t-1)...(t-(m-1)) =
// sum of s(m,j) t^j,
//   b_n(x) = sum over j = 1..n-1 of n s(n-1,j)/(j+1) x^(j+1) + integral from 0 to 1 of (t)_n dt,
// since b_n'(x) = (x+1)_n - (x)_n = n (x)_{n-1}. So the x^1 coefficient is 0,
// the leading one is 1, and the constant is sum over k = 1..n of s(n,k)/(k+1).
// That sum alternates in sign, but its terms are at most about n ln n times
// its value: with s(n,k) within about n units of the last place, the constant
// keeps some 15 correct digits at n = 100.
//
// In all-degrees mode the driver calls n = 0, 1, 2, ... in ascending order:
// n = 2 restarts falling_row at (t)_1 = t, and each later n finds (t)_{n-1}
// there, left by the call for n-1. A single degree rebuilds it.
void compute_table(int n)
{
    long double *R = coefficients;
    long double *A = falling_row;
    long double *T = falling_next;
    clear_row(R);
    clear_row(T);
    if (n == 0) {
        R[0] = 1.0L;
        return;
    }
    if (n == 1) {
        R[0] = 0.5L;
        R[1] = 1.0L;
        return;
    }
    if (output_all_degrees == 0) {
        clear_row(A);
        expand_falling_factorial(A, T, TABLE_SLOTS, n - 1);
        A[0] = 0.0L;
        A[n - 1] = 1.0L;
    } else if (n == 2) {
        clear_row(A);
        A[1] = 1.0L;
    }
    // n s(n-1,j) first, exact while s(n-1,j) is, then one rounding by the
    // division. (Rounding n/(j+1) first would round twice and miss exact
    // halves: 28 s(27,23)/24 = 536681827.5 printed as ...827E+08.)
    for (int j = 1; j <= n - 1; j++)
        R[j + 1] = ((long double)n * A[j]) / (j + 1);
    R[1] = 0.0L;
    next_falling_factorial(A, T, n);  // (t)_n
    long double s = 0.0L;
    for (int k = n; k >= 1; k--)
        s = T[k] / (k + 1) + s;
    R[0] = s;
    if (output_all_degrees == 1)
        for (int j = 0; j <= n; j++)
            A[j] = T[j];
}

void write_table(FILE *file, int n)
{
    write_title_block(file, "BERNOULLI POLYNOMIAL OF THE 2ND KIND", "第二種ベルヌーイ多項式");
    write_polynomial_table(file, coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
