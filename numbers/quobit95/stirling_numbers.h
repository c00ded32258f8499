// The Stirling numbers of the first kind s(n,k) (signed) and of the second
// kind S(n,k), n = 1..100, tabulated side by side.
#pragma once

#include <cstdio>

#include "calc_state.h"

extern long double first_kind_row[TABLE_SLOTS];    // s(m,.) of the last first-kind computation
extern long double first_kind_next[TABLE_SLOTS];   // work row of the recurrence
extern long double first_kind_out[TABLE_SLOTS];    // s(n,k), k = 0..n, as written
extern long double second_kind_row[TABLE_SLOTS];   // S(n,k), k = 0..n, as written
extern long double second_kind_prev[TABLE_SLOTS];  // the previous row during a step

void compute_table_first_kind(int n);
void compute_table_second_kind(int n);
void write_table(FILE *file, int n);
