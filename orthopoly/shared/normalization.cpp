#include "normalization.h"

void divide_by_leading(long double *table, int n)
{
    for (int i = 0; i < n; i++)
        table[i] = table[i] / table[n];
    table[n] = 1.0L;
}
