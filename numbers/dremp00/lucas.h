// The Lucas polynomials L(n;x) and the Lucas numbers L_n, for n = 1 to 100.
#pragma once

#include <cstdio>

enum { EXACT_NUMBER_COUNT = 101 };

// entry i: L_(i+1) in decimal digits (generated, see lucas_numbers.cpp)
extern const char *const exact_number_texts[EXACT_NUMBER_COUNT];

void compute_table(int n);
void write_table(FILE *file, int d);
