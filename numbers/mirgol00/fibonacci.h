// The Fibonacci polynomials F(n;x), of degree n-1, and the Fibonacci numbers
// F_n, for n = 1 to 101.
#pragma once

#include <cstdio>

enum { EXACT_NUMBER_COUNT = 101 };

// entry i: F_(i+1) in decimal digits (generated, see fibonacci_numbers.cpp)
extern const char *const exact_number_texts[EXACT_NUMBER_COUNT];

void write_table(FILE *file, int d);
