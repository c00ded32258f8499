#include "legendre_table.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"

// P(n;x) = (2n-1)!!/n! * sum over m = 0..[n/2] of (a)_m (b)_m / ((c)_m m!) x^(n-2m)
// with a = -n/2, b = (1-n)/2, c = (1-2n)/2 and (a)_m = a(a+1)...(a+m-1).
// c + i is a half-integer, so no Pochhammer factor divides by zero. The
// Pochhammer ratio is an 80-bit product; m!, (2n-1)!! and n! are doubles
// taken as exponentials of logarithm sums, so the coefficients carry relative
// deviations of about 1e-15. (2n-1)!! stays below 6.7e186 for n <= 100.
void fill_legendre_table(long double *table, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        table[i] = 0.0L;
    if (n == 0) {
        table[0] = 1.0L;
        return;
    }
    int half = (int)floor(n * 0.5);
    double a = -n * 0.5;
    double b = (1 - n) * 0.5;
    double c = (1 - 2 * n) * 0.5;
    for (int m = 0; m <= half; m++) {
        long double ratio = m == 0 ? 1.0L : pochhammer_ratio(a, b, c, m);
        table[n - 2 * m] = ratio / exp(log_factorial(m));
    }
    double odd_factorial = double_factorial(n);
    double factorial = exp(log_factorial(n));
    long double common = (long double)odd_factorial / factorial;
    for (int i = 0; i <= n; i++)
        table[i] = common * table[i];
}
