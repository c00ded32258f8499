#include "stirling_polynomial.h"

#include "eulerian.h"
#include "result_file.h"

ExactEulerianTriangle eulerian_triangle;

enum { LAST_DEGREE = TABLE_SLOTS - 3 };  // 100

static WideInteger rising_product[TABLE_SLOTS];  // (x+1)(x+2)...(x+k+1), index = power of x
static WideInteger weighted_sum[TABLE_SLOTS];    // the sum over k so far, index = power of x
static WideInteger scratch;                      // one product at a time
static uint32_t divisors[TABLE_SLOTS];           // the factors of the common denominator

static int is_computed_row(int i)
{
    WideInteger one;
    wide_set(&one, 1);
    for (int j = 0; j < WIDE_LIMBS; j++)
        if (eulerian_triangle[i][0].limb[j] != one.limb[j])
            return 0;
    return 1;
}

void clear_eulerian_triangle()
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        for (int k = 0; k < TABLE_SLOTS; k++)
            wide_set(&eulerian_triangle[i][k], 0);
    wide_set(&eulerian_triangle[0][0], 1);
}

// A2(i,k) = (k+1) A2(i-1,k) + (2i-k-1) A2(i-1,k-1), A2(i,0) = 1, and 0 for
// k >= i; exact (A2(100,k) stays below 2^618).
static void compute_eulerian_row(int i)
{
    const WideInteger *previous = eulerian_triangle[i - 1];
    WideInteger *row = eulerian_triangle[i];
    wide_set(&row[0], 1);
    for (int k = 1; k < i; k++) {
        row[k] = previous[k];
        wide_multiply_small(&row[k], (uint32_t)(k + 1));
        scratch = previous[k - 1];
        wide_multiply_small(&scratch, (uint32_t)eulerian_weight(i, k, SECOND_ORDER));
        wide_add(&row[k], &scratch);
    }
    wide_set(&row[i], 0);
}

// Rows once computed are kept: only the rows from the first missing one up
// to n are computed.
void fill_eulerian_triangle(int n)
{
    if (n < 1)
        return;
    int first = 1;
    while (first <= LAST_DEGREE && is_computed_row(first))
        first++;
    for (int i = first; i <= n; i++)
        compute_eulerian_row(i);
}

// p(x) = p(x) (x + c) for p of degree d (entries 0..d+1 are used).
static void multiply_by_linear_factor(WideInteger *p, int d, int c)
{
    uint32_t magnitude = (uint32_t)(c < 0 ? -c : c);
    p[d + 1] = p[d];
    for (int j = d; j >= 1; j--) {
        scratch = p[j];
        wide_multiply_small(&scratch, magnitude);
        p[j] = p[j - 1];
        if (c < 0)
            wide_subtract(&p[j], &scratch);
        else
            wide_add(&p[j], &scratch);
    }
    if (c < 0) {
        scratch = p[0];
        wide_multiply_small(&scratch, magnitude);
        wide_set(&p[0], 0);
        wide_subtract(&p[0], &scratch);
    } else {
        wide_multiply_small(&p[0], magnitude);
    }
}

// sum += a p for p of degree d, a >= 0 and p >= 0 entry by entry.
static void add_multiple(WideInteger *sum, const WideInteger *a, const WideInteger *p, int d)
{
    int a_length = wide_length(a);
    for (int j = 0; j <= d; j++)
        wide_add_product(&sum[j], a, a_length, &p[j], wide_length(&p[j]));
}

// The integer polynomial
//   P(x) = sum over k = 0..n-1 of A2(n,k) L_k(x) U_k(x),
//   L_k = (x+1)(x+2)...(x+k+1),  U_k = (x-n)(x-n-1)...(x-(2n-2-k)),
// U_(n-1) = 1, so that S(n;x) = P(x) n!/(2n)!. Its terms cancel by up to
// 56 decimal digits at n = 100 (1e11 at n = 20), so P is formed exactly,
// Horner-like in k:
//   T_0 = A2(n,0) L_0,  T_k = T_(k-1) (x - (2n-1-k)) + A2(n,k) L_k,
//   L_k = L_(k-1) (x+k+1),
// T_(n-1) = P: n steps of one linear factor each and one multiple of L_k.
static void sum_eulerian_weighted_products(int n)
{
    for (int j = 0; j < TABLE_SLOTS; j++) {
        wide_set(&rising_product[j], 0);
        wide_set(&weighted_sum[j], 0);
    }
    wide_set(&rising_product[0], 1);
    wide_set(&rising_product[1], 1);
    add_multiple(weighted_sum, &eulerian_triangle[n][0], rising_product, 1);
    for (int k = 1; k <= n - 1; k++) {
        multiply_by_linear_factor(weighted_sum, k, -(2 * n - 1 - k));
        multiply_by_linear_factor(rising_product, k, k + 1);
        add_multiple(weighted_sum, &eulerian_triangle[n][k], rising_product, k + 1);
    }
}

// Groups the factors first, first+step, ..., last into products below 2^32;
// returns how many divisors it wrote.
static int group_factors(int first, int last, int step)
{
    int count = 0;
    uint64_t product = 1;
    for (int f = first; f <= last; f += step) {
        if (product * (uint64_t)f >= (1ull << 32)) {
            divisors[count++] = (uint32_t)product;
            product = 1;
        }
        product *= (uint64_t)f;
    }
    divisors[count++] = (uint32_t)product;
    return count;
}

// S(0;x) = 1 and, for n >= 1,
//   S(n;x) = n!/(2n)! sum over k = 0..n-1 of A2(n,k) prod over m = 1..k+1 of (x+m)
//            prod over m = n..2n-2-k of (x-m),
// the coefficient of x^j being P_j / ((n+1)(n+2)...(2n)) with the exact
// integers P_j of sum_eulerian_weighted_products, rounded once to 80 bits.
// The leading coefficient is n! (2n-1)!! / (2n)! = 2^-n (P_n = (2n-1)!!).
// With normalization each P_j is divided by P_n = 1 3 5 ... (2n-1) instead,
// again rounded once, and the leading coefficient is exactly 1.
// Every coefficient, zeros included, is the exact value rounded to nearest.
void compute_table(int n)
{
    for (int j = 0; j < TABLE_SLOTS; j++)
        coefficients[j] = 0.0L;
    if (n == 0) {
        coefficients[0] = 1.0L;
        return;
    }
    fill_eulerian_triangle(n);
    sum_eulerian_weighted_products(n);
    int count = normalize == 1 ? group_factors(1, 2 * n - 1, 2) : group_factors(n + 1, 2 * n, 1);
    for (int j = 0; j <= n; j++)
        coefficients[j] = wide_quotient_rounded(&weighted_sum[j], divisors, count);
}

void write_table(FILE *file, int n)
{
    write_title_block(file, "STIRLING POLYNOMIAL S(n;x)", "スターリング多項式 S(n;x)");
    write_polynomial_table(file, coefficients, n);
}

static void tabulate(FILE *file, int n)
{
    compute_table(n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
