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
