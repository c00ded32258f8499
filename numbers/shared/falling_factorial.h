// The coefficients of the falling factorial x(x-1)...(x-(n-1)): the signed
// Stirling numbers of the first kind s(n,k), used by the Stirling, factorial
// polynomial and second-kind Bernoulli programs.
#pragma once

// Fills row[0..n] with s(n,0..n), the coefficient of x^k in
// x(x-1)...(x-(n-1)), by the step T[j] = A[j-1] - (i-1) A[j] for i = 2..n,
// each product rounded to 80 bits before the subtraction. The caller zeroes
// row; work is a scratch row of the same length (length entries, zeroed
// here). For n <= 1 the row is left as [0, 1]. Exact integers while they fit
// the 64-bit mantissa (n <= 21), rounded beyond. Domain: 0 <= n < length.
void expand_falling_factorial(long double *row, long double *work, int length, int n);

// One step of the same product: next[0..i] = the coefficients of
// row(x)(x-(i-1)), row holding those of x(x-1)...(x-(i-2)), i >= 2:
// next[j] = row[j-1] - (i-1) row[j] for j = 1..i-1, next[0] = 0, next[i] = 1.
// The two terms have the same sign (the signs of s(i,j) alternate), so the
// step never cancels. row is left as it was.
void next_falling_factorial(const long double *row, long double *next, int i);
