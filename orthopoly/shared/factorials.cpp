#include "factorials.h"

#include <cmath>

double binomial_coefficient(int n, int k)
{
    if (k == 0)
        return 1.0;
    if (k == 1)
        return n;
    if (k == n)
        return 1.0;
    // all numerator logarithms first, then the denominator ones in ascending order
    double s = 0.0;
    for (int i = 0; i < k; i++)
        s = s + log((double)(n - i));
    for (int j = 1; j <= k; j++)
        s = s - log((double)j);
    return exp(s);
}

double log_factorial(int k)
{
    double s = 0.0;
    for (int i = 1; i <= k; i++)
        s = s + log((double)i);
    return s;
}

double factorial_via_logs(int k)
{
    return exp(log_factorial(k));
}

double factorial_by_log_sum(int n, int mode)
{
    double s = log_factorial(n);
    return mode == 1 ? exp(s) : s;
}

double double_factorial(int n)
{
    double s = 0.0;
    for (int i = 1; i <= n; i++)
        s = s + log((double)(2.0L * i - 1));
    return exp(s);
}

long double pochhammer_ratio(double a, double b, double c, int m)
{
    long double p = 1.0L;
    for (int i = 0; i < m; i++) {
        long double factor = ((long double)i + a) * ((long double)i + b) / ((long double)i + c);
        p = factor * p;
    }
    return p;
}

double log_power_of_two(int k)
{
    long double product = (long double)log(2.0) * k;
    return (double)product;
}

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
