// Factorial-like numbers as sums of natural logarithms accumulated in double
// precision (each partial sum rounded to double), turned back with exp where
// the number itself is wanted. They are therefore not exact integers: a
// relative deviation of the order of 1e-15 is part of every table built on them.
#pragma once

// C(n, k) = exp(ln n + ... + ln(n - k + 1) - ln 1 - ... - ln k); C(n, 0) = C(n, n) = 1
// and C(n, 1) = n exactly. For 0 <= k <= n.
double binomial_coefficient(int n, int k);

// ln k! = ln 1 + ... + ln k; 0 for k <= 1.
double log_factorial(int k);

// k! = exp(ln k!); 1 for k <= 1.
double factorial_via_logs(int k);

// ln n! when mode is not 1, n! = exp(ln n!) when mode is 1.
double factorial_by_log_sum(int n, int mode);

// (2n - 1)!! = 1 * 3 * ... * (2n - 1) = exp(ln 1 + ln 3 + ... + ln(2n - 1)); 1 for n <= 0.
double double_factorial(int n);

// The product over i = 0..m-1 of (i + a)(i + b)/(i + c) in extended precision,
// that is (a)_m (b)_m / (c)_m; 1 for m <= 0. i + c must never vanish.
long double pochhammer_ratio(double a, double b, double c, int m);

// k ln 2, the product taken in extended precision and rounded to double.
double log_power_of_two(int k);

// C(x, k) = x (x - 1) ... (x - k + 1) / k! for a real x and k >= 0; for an
// integral x also C(x, x) = 1 and 0 for k > x >= 0, and for a negative
// integral x the sign (-1)^k: C(-M, k) = (-1)^k C(M + k - 1, k).
double binomial_real(double x, int k);
// The same as the exponential of a sum of logarithms, with the sign kept apart.
double binomial_real_by_logs(double x, int k);
