// The Stirling numbers of the second kind S(n,k), row by row.
#pragma once

// Turns row[0..j-1] = S(j-1,0..j-1) into row[0..j] = S(j,0..j), j >= 2, by
// S(j,i) = i S(j-1,i) + S(j-1,i-1) (the product rounded to 80 bits first),
// then S(j,0) = 0, S(j,1) = S(j,j) = 1. previous receives a copy of the
// length entries of row. All terms are positive: exact integers while they
// fit the 64-bit mantissa, otherwise within about j units of the last place.
void step_second_kind(long double *row, long double *previous, int length, int j);
