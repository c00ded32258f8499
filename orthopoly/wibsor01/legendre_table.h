// The Legendre polynomial P(n;x) in ascending powers of x, the table that
// the Legendre program writes and from which W(n-1;z) is summed.
#pragma once

// Fills table (TABLE_SLOTS entries, all zeroed first) with P(n;x), 0 <= n <= 100.
void fill_legendre_table(long double *table, int n);
