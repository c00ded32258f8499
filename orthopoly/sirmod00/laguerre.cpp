#include "laguerre.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "normalization.h"
#include "one_parameter.h"

// C(x, k) = sign * exp(ln|x| + ln|x - 1| + ... + ln|x - k + 1| - ln 1 - ... - ln k),
// the sign flipped for every negative factor; 0 when a factor is exactly 0.
// The factors are extended, each logarithm and the sum are doubles.
double binomial_real_by_logs(double x, int k)
{
    int sign = 1;
    double sum = 0.0;
    for (int i = 0; i < k; i++) {
        long double d = (long double)x - i;
        if (d < 0)
            sign = -sign;
        else if (d == 0)
            return 0.0;
        sum = sum + log(fabs((double)d));
    }
    for (int j = 1; j <= k; j++)
        sum = sum - log((double)j);
    double r = exp(sum);
    return sign == -1 ? -r : r;
}

// C(x, k) for a real x: 1 for k = 0; for an integral x also 1 for k = x and
// 0 for k > x >= 0; every other case by the logarithm sum (a negative
// integer x gives (-1)^k C(k - x - 1, k)).
double binomial_real(double x, int k)
{
    if (floor(x) == x) {
        if (k == 0 || k == x)
            return 1.0;
        if (k > x && x >= 0)
            return 0.0;
        return binomial_real_by_logs(x, k);
    }
    if (k == 0)
        return 1.0;
    return binomial_real_by_logs(x, k);
}

// L(a,n;x) = sum over m = 0..n of (-1)^m C(n + a, n - m) x^m / m!,
// for 0 <= n <= 100 and -10 <= a <= 10.
// With normalization every coefficient is divided by the leading one,
// (-1)^n / n!, which is never 0, and the leading one is set to exactly 1.
void compute_table(double a, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    double upper = (double)((long double)n + a);
    for (int m = 0; m <= n; m++) {
        coefficients[m] = (long double)binomial_real(upper, n - m) / factorial_via_logs(m);
        if (m % 2 == 1)
            coefficients[m] = coefficients[m] * -1.0L;
    }
    if (normalize == 1)
        divide_by_leading(coefficients, n);
}

void write_table(FILE *file, int n)
{
    write_one_parameter_table(file, n, "LAGUERRE POLYNOMIAL", "ラゲール多項式", "a", param_a);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_a, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
