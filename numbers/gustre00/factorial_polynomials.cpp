#include "factorial_polynomials.h"

#include "calc_state.h"
#include "falling_factorial.h"
#include "result_file.h"

int polynomial_kind;
long double factorial_coefficients[FACTORIAL_SLOTS];
long double factorial_row[FACTORIAL_SLOTS];
long double factorial_next[FACTORIAL_SLOTS];

static void clear_row(long double *row)
{
    for (int i = 0; i < FACTORIAL_SLOTS; i++)
        row[i] = 0.0L;
}

// Multiplies the central polynomial of i-1 (in factorial_row, degree 2i-3)
// by x^2 - f^2 with f = i-1: T[j] = A[j-2] - (A[j] f) f. Only odd powers are
// non-zero and their signs alternate, so both terms have the same sign and
// nothing cancels. T[2i-2] stays 0.
static void central_factorial_step(int i)
{
    long double *A = factorial_row;
    long double *T = factorial_next;
    long double f = i - 1;
    T[1] = ((-A[1]) * f) * f;
    for (int j = 2; j <= 2 * i - 3; j++)
        T[j] = A[j - 2] - (A[j] * f) * f;
    T[0] = 0.0L;
    T[2 * i - 1] = 1.0L;
    for (int j = 0; j <= 2 * i - 1; j++)
        A[j] = T[j];
}

void expand_central_factorial(int n)
{
    clear_row(factorial_next);
    factorial_row[0] = 0.0L;
    factorial_row[1] = 1.0L;
    for (int i = 2; i <= n; i++)
        central_factorial_step(i);
}

int factorial_degree(int n)
{
    return polynomial_kind == KIND_CENTRAL ? 2 * n - 1 : n;
}

// The rising factorial x(x+1)...(x+(n-1)) = (-1)^n (-x)(-x-1)...(-x-(n-1))
// has the coefficients |s(n,k)| of the falling one.
//
// In all-degrees mode the driver calls n = 1, 2, ... in ascending order, so
// factorial_row holds the polynomial of n-1 (in the current kind: the kind
// cannot change during one calculation) when n >= 2 arrives, and one step
// suffices; n = 1 restarts the chain. A single n rebuilds the row.
void compute_table(int n)
{
    long double *A = factorial_row;
    clear_row(factorial_coefficients);
    clear_row(factorial_next);
    int d = factorial_degree(n);
    if (n == 1) {
        clear_row(A);
        A[1] = 1.0L;
    } else if (output_all_degrees == 0) {
        clear_row(A);
        if (polynomial_kind == KIND_CENTRAL)
            expand_central_factorial(n);
        else
            expand_falling_factorial(A, factorial_next, FACTORIAL_SLOTS, n);
        A[0] = 0.0L;
        A[d] = 1.0L;
    } else if (polynomial_kind == KIND_CENTRAL) {
        central_factorial_step(n);  // from the row of n-1
    } else {
        next_falling_factorial(A, factorial_next, n);  // from the row of n-1
        for (int j = 0; j <= n; j++)
            A[j] = factorial_next[j];
    }
    for (int j = 0; j <= d; j++)
        factorial_coefficients[j] = polynomial_kind == KIND_RISING && A[j] < 0.0L ? -A[j] : A[j];
}

static const char *const TITLES_EN[] = {"EXPANSION OF FALLING FACTORIAL POLYNOMIAL",
                                        "EXPANSION OF RISING FACTORIAL POLYNOMIAL",
                                        "EXPANSION OF CENTRAL FACTORIAL POLYNOMIAL"};
static const char *const TITLES_JA[] = {"降順階乗多項式の展開", "昇順階乗多項式の展開", "中央階乗多項式の展開"};

// The rows print the extended values themselves ("%17.8LE"): the central
// coefficients reach about 8.71E+311, beyond the range of a double.
void write_table(FILE *file, int d)
{
    write_title_block(file, TITLES_EN[polynomial_kind], TITLES_JA[polynomial_kind]);
    write_polynomial_table(file, factorial_coefficients, d);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, factorial_degree(n));
}

const TableSpec table_spec = {1, tabulate, standard_size_estimate};
