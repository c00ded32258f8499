// The factorial polynomials in ascending powers of x, n = 1..100:
//   falling  x(x-1)...(x-(n-1))                    degree n
//   rising   x(x+1)...(x+(n-1))                    degree n
//   central  (x-(n-1))...(x-1)x(x+1)...(x+(n-1))   degree 2n-1
#pragma once

#include <cstdio>

enum { FACTORIAL_SLOTS = 203 };  // powers 0 to 199 of the central polynomial of n = 100, and spare slots

enum { KIND_FALLING = 0, KIND_RISING = 1, KIND_CENTRAL = 2 };

extern int polynomial_kind;  // a KIND_ value, chosen by the radio buttons
// The result of the current n and kind. The shell's coefficients hold 103
// entries; the central polynomial needs 200, so this program keeps its own.
extern long double factorial_coefficients[FACTORIAL_SLOTS];
extern long double factorial_row[FACTORIAL_SLOTS];   // the kept row of the last expansion
extern long double factorial_next[FACTORIAL_SLOTS];  // work row of the recurrences

// factorial_row := the coefficients of x (x^2 - 1)(x^2 - 4)...(x^2 - (n-1)^2);
// the caller zeroes the row first.
void expand_central_factorial(int n);

// The degree of the polynomial of n in the current kind.
int factorial_degree(int n);

void compute_table(int n);
void write_table(FILE *file, int d);
