// The product of N linear factors (Z + A_1)(Z + A_2)...(Z + A_N), N = 1..100,
// with real or complex constants A_k, multiplied out into
// Z^N + C_(N-1) Z^(N-1) + ... + C_1 Z + C_0, and the result file that lists
// the constants and the coefficients.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern double factor_re[TABLE_SLOTS];  // A_k = factor_re[k-1] + i factor_im[k-1]
extern double factor_im[TABLE_SLOTS];
extern int last_factor_index;          // N - 1
extern long double expansion_re[TABLE_SLOTS];  // entry k: the coefficient C_k of Z^k
extern long double expansion_im[TABLE_SLOTS];
extern long double step_re[TABLE_SLOTS];       // the next product while one factor is multiplied in
extern long double step_im[TABLE_SLOTS];
extern int complex_input;              // 1: the list holds real and imaginary parts

// Zeroes the constants, the expansion and the step tables (all 103 entries).
void clear_expansion();

// Multiplies the factors out, one at a time: multiplying by Z + A maps the
// coefficients c_k to c_(k-1) + A c_k (complex products written out in their
// real and imaginary parts). Sums and products are extended reals, each
// product of an extended coefficient with a double constant.
void compute_table();

// 1 when every coefficient of the last compute_table is an extended real
// that holds its value: no overflow to infinity (constants near 1e100 and
// many factors), no result lost to underflow, no NaN.
int expansion_in_range();

// The bytes the result file may need: N x 150 + 1000.
long expansion_size_estimate();

// The result file: title, the constants A[1]..A[N], then the coefficients
// of Z^0..Z^N (real and imaginary columns in complex mode).
void write_table(FILE *file);
