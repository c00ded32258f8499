// The normalization of a table of coefficients by its leading one.
#pragma once

// table[i] = table[i] / table[n] for i = 0..n-1, then table[n] = 1 exactly;
// table[n] must not be 0.
void divide_by_leading(long double *table, int n);
