// The generalized Fibonacci numbers G[n], n = -100..100: G[0] = p, G[1] = q
// and G[n+2] = G[n+1] + G[n] in both directions.
#pragma once

#include <cstdio>

enum {
    FIBONACCI_FIRST_INDEX = -100,
    FIBONACCI_LAST_INDEX = 100,
    FIBONACCI_SLOTS = 204  // G[-100] .. G[103], indexed by n + 100
};

extern long double fibonacci_numbers[FIBONACCI_SLOTS];  // G[n] at n + 100, of the last compute_table
extern double param_p;  // G[0] as read from its edit box
extern double param_q;  // G[1]

// The value of a text typed as p or q: 1 with the number in *value when the
// text is one the entry field keeps (digits, at most one point, a leading
// minus; a lone "-" reads as 0) and its value is finite; 0 for any other
// text, such as "nan", "inf", "1e5" or "0x1A", which nothing may compute with.
int read_start_value(const char *text, double *value);

// G[n] from G[0] = p and G[1] = q, in extended precision.
void compute_table(double p, double q, int n);

// The line of index j; before the first one the title block with p and q.
void write_table(FILE *file, int j);
