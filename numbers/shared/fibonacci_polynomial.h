// The Fibonacci polynomials F(m;x) and the Fibonacci numbers, shared by the
// Fibonacci and Lucas programs, with the number line of their tables.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern CoefficientTable number_table;  // entry m: the number of the last polynomial of index m
extern int exact_numbers;              // 1: the number lines carry the stored exact numbers

// ln C(a,k) in double: ln(a) + ... + ln(a-k+1) - ln 1 - ... - ln k, each step
// rounded to double; exactly 0 for k = 0 or k = a, ln a for k = 1 or a - 1.
double log_binomial_coefficient(int a, int k);

// F(m;x) into coefficients, m = 1..101: F(1;x) = 1, and for m >= 2
// F(m;x) = sum over s = 0..[(m-1)/2] of C(m-1-s,s) x^(m-1-2s), each
// coefficient the extended exponential of ln C(m-1-s,s) (near the integer,
// the leading 1 exact). number_table[m] = F_m, the sum of the coefficients in
// ascending powers, in extended precision. Both tables are zeroed first.
void compute_fibonacci_polynomial(int m);

// The heading of a block: an empty line, then "*** polynomial of degree d,
// Fn(X) ***" (Japanese "*** d次の多項式, Fn(X) ***"), the letter F or L given
// as symbol.
void write_indexed_degree_heading(FILE *file, int d, const char *symbol, int n);

// The last line of a block: prefix + n + "] : " + the number, with the
// prefix " Fibonacci number F[" or the like in the language of the file. The
// number is exact_text when exact_numbers is 1, else value as "%-17.8LE"
// without its trailing blanks.
void write_number_line(FILE *file, const char *prefix_en, const char *prefix_ja, int n, const char *exact_text,
                       long double value);
