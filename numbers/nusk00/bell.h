// The Bell polynomials phi_n(x) = sum over k = 0..n of S(n,k) x^k and the
// Bell numbers B_n = phi_n(1), degrees 0 to 100.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern long double bell_numbers[TABLE_SLOTS];   // B_n at index n, for the n last computed
extern long double bell_prev_row[TABLE_SLOTS];  // the previous row during a step

void compute_table(int n);
void write_table(FILE *file, int n);
