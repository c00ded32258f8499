// The Bernoulli polynomials of the second kind
//   b_n(x) = integral from x to x+1 of t(t-1)(t-2)...(t-(n-1)) dt,
// in ascending powers of x, degrees 0 to 100.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern long double falling_row[TABLE_SLOTS];   // (t)_{n-1}, kept for the next degree in all-degrees mode
extern long double falling_next[TABLE_SLOTS];  // (t)_n

void compute_table(int n);
void write_table(FILE *file, int n);
