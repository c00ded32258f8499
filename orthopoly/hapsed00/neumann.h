// The Neumann polynomials O(n;t), polynomials in 1/t, for n from 0 to 99.
#pragma once

#include <cstdio>

double log_neumann_factor(int n);
void compute_table(int n);
void write_table(FILE *file, int n);
