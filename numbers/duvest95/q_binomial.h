// The Gaussian (q-)binomial coefficient nC[q]m = [n]_q! / ([m]_q! [n-m]_q!),
// [k]_q = 1 + q + ... + q^(k-1), for 1 <= n <= 200, 0 <= m <= 200 and
// 0 <= q <= 10. Its values reach about 10^10000, beyond every floating-point
// range, so it is never held as a number: its natural logarithm is summed in
// extended precision and the base-10 logarithm is written directly as a
// decimal text (mantissa, "E", exponent). Nothing here calls Windows.
#pragma once

enum { RESULT_TEXT_SIZE = 100 };

extern char result_text[RESULT_TEXT_SIZE];  // the text of the last coefficient; empty: no result
extern int tabulation_mode;                 // 1 while a Tabulation runs: fixed nine-character mantissa

// ln x for x > 0: x is halved or doubled into [sqrt(1/2), sqrt(2)), and
// ln(1 + t), t = x - 1, is the continued fraction
//   t / (1 + t/(2 + t/(3 + 4t/(4 + 4t/(5 + 9t/(6 + ...))))))
// cut after nine levels (the deepest partial denominator is 19), plus b ln 2
// for b halvings. The constant ln 2 is the double 0.6931471805599453, so the
// result carries an error of about b * 2.3e-17 besides the last unit or two.
long double log_extended(long double x);

// ln(1 + q + ... + q^i) = ln [i+1]_q for i >= 0, q >= 0, the sum taken in
// extended precision (it is at least 1).
long double log_q_number(int i, double q);

// ln C(n, m) for 0 <= m <= n, as sums of double logarithms in extended precision.
long double log_binomial_extended(int n, int m);

// The text of nC[q]m into result_text (n >= 1, m >= 0, 0 <= q <= 10): "0E+00"
// for m > n; 1 when q = 0, m = 0 or m = n; the ordinary binomial logarithm
// for q = 1; otherwise
//   ln nC[q]m = sum over i = m..n-1 of ln [i+1]_q - sum over i = 1..n-m-1 of ln [i+1]_q.
// Every call recomputes from nothing.
void compute_table(int n, int m, double q);

// The text of 10^y (y the base-10 logarithm of a positive number) into
// result_text: mantissa with at most six decimals and no trailing zeros (a
// rounding up to 10 carried into the exponent), "E", and the exponent with a
// sign and at least two digits (+00, -03, +58, +10000). In tabulation mode
// the mantissa is a blank followed by d.dddddd.
void format_log10_value(double y);
