#include "falling_factorial.h"

void expand_falling_factorial(long double *row, long double *work, int length, int n)
{
    for (int j = 0; j < length; j++)
        work[j] = 0.0L;
    row[0] = 0.0L;
    row[1] = 1.0L;
    for (int i = 2; i <= n; i++) {
        // multiply by (x - (i-1))
        for (int j = 1; j <= i - 1; j++) {
            long double product = (long double)(i - 1) * row[j];
            work[j] = row[j - 1] - product;
        }
        work[0] = 0.0L;
        work[i] = 1.0L;
        for (int j = 0; j <= i; j++)
            row[j] = work[j];
    }
}

void next_falling_factorial(const long double *row, long double *next, int i)
{
    for (int j = 1; j <= i - 1; j++) {
        long double product = (long double)(i - 1) * row[j];
        next[j] = row[j - 1] - product;
    }
    next[0] = 0.0L;
    next[i] = 1.0L;
}
