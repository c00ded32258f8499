// The Stirling polynomials S(n;x), n = 0..100, in ascending powers of x.
#pragma once

#include <cstdio>

#include "calc_state.h"
#include "wide_integer.h"

// The second-order Eulerian numbers A2(i,k) as exact integers, row i, entry
// k; filled on demand and kept for the program's life. A computed row
// i >= 1 has A2(i,0) = 1 at index 0; an uncomputed row is all zero.
typedef WideInteger ExactEulerianTriangle[TABLE_SLOTS][TABLE_SLOTS];
extern ExactEulerianTriangle eulerian_triangle;

// All entries 0, then A2(0,0) = 1; done once, at window creation.
void clear_eulerian_triangle();
// Computes the missing rows of eulerian_triangle up to row n.
void fill_eulerian_triangle(int n);
// Fills coefficients with S(n;x), divided by its leading coefficient when
// normalize is 1.
void compute_table(int n);
void write_table(FILE *file, int n);
