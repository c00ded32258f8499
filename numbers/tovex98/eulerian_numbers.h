// The Eulerian numbers of the first order A1(n,k) and of the second order
// A2(n,k), k = 0..n-1, n = 1..100.
#pragma once

#include <cstdio>

#include "eulerian.h"

extern EulerianTriangle eulerian_first;           // A1(n,k), filled on demand
extern EulerianTriangle eulerian_second;          // A2(n,k), filled on demand
extern long double eulerian_prev_row[TABLE_SLOTS];  // the previous row while a row is computed
extern int second_order;                          // the second-order check box: chooses the triangle

// Both triangles emptied (row 0 = [1, 0, ...]); done once, at window creation.
void reset_eulerian_triangles();
// Fills the triangle of the current order up to row n.
void compute_table(int n);
void write_table(FILE *file, int n);
