// Eulerian numbers of the first and second order, kept as triangles that
// are filled on demand: the Eulerian program tabulates them, the Stirling
// polynomial program weights its sum with the second-order ones.
#pragma once

#include "calc_state.h"

// Row i holds E(i,k) at index k, i, k = 0..TABLE_SLOTS-1. A computed row
// i >= 1 has E(i,0) = 1 at index 0; an uncomputed row is all zero; the
// computed rows always form a prefix of the triangle.
typedef long double EulerianTriangle[TABLE_SLOTS][TABLE_SLOTS];

enum { FIRST_ORDER = 0, SECOND_ORDER = 1 };

// The factor w of P[k-1] in E(n,k) = (k+1) P[k] + w P[k-1], P the row n-1:
// n - k for the first order, 2n - k - 1 for the second.
int eulerian_weight(int n, int k, int second_order);

// E(n,k) from the previous row P = E(n-1,.) in 80-bit reals: 0 for k < 0 and
// for k >= n, 1 for k = 0, else (k+1) P[k] + w P[k-1] (each product rounded
// once, then the sum). Exact integers while they fit the 64-bit mantissa.
long double eulerian_entry(const long double *previous_row, int n, int k, int second_order);

// All entries 0, then entry [0][0] = 1.
void reset_eulerian_triangle(EulerianTriangle triangle);

// Computes the rows of the triangle that are missing up to row n (at most
// row TABLE_SLOTS-3 = 100), from the first row i >= 1 whose entry 0 is not
// yet 1; rows computed once are never computed again. previous_row is a
// work row of TABLE_SLOTS entries.
void fill_eulerian_rows(EulerianTriangle triangle, long double *previous_row, int n, int second_order);
