// The exponential in 80-bit extended reals, for the tables that turn
// logarithms of factorial ratios back into numbers without rounding them
// to double on the way.
#pragma once

// e^x by range reduction to r = x - k ln 2 (|r| <= about ln 2 / 2), a
// continued fraction for e^r and a scaling by 2^k. Relative error of order
// |k| * 2e-17 (the double constant ln 2) plus a few units of the last place.
// Domain: |x| < about 5677.9 (|k| < 8192).
long double exp_extended(long double x);

// x * 2^k by repeated squaring of 2 (or 1/2 for negative k); exact unless the
// result leaves the extended range. Domain: |k| < 8192.
long double scale_by_power_of_two(long double x, int k);
