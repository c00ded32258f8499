// The Schläfli polynomials S(n;t), polynomials in 1/t, for n from 0 to 100.
#pragma once

#include <cstdio>

void compute_table(int n);
void write_table(FILE *file, int n);
