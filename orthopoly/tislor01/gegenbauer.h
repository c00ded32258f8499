// The Gegenbauer polynomials C(v,n;x), 0 < v <= 10, degrees 0 to 100.
#pragma once

#include <cstdio>

extern double param_v;  // v as last read from its edit box, also a refused value

double pochhammer_by_logs(double x, int k);
void compute_table(double v, int n);
void write_table(FILE *file, int n);
