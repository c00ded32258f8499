// The Bernoulli polynomials B(n;x), degrees 0 to 100.
#pragma once

#include <cstdio>

void compute_table(int n);
void write_table(FILE *file, int n);
