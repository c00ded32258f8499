// The Bernoulli numbers B_0..B_102 (B_1 = -1/2), from the tangent numbers,
// for the Euler and Bernoulli polynomial programs.
#pragma once

// B_n for 0 <= n <= 102, rounded to double. For even n >= 2,
// B_n = (-1)^(n/2-1) n T_(n-1) / (4^(n/2) (4^(n/2) - 1)), where the tangent
// number T_(n-1) = tan^(n-1)(0) comes from differentiating a polynomial in
// y = tan x, with dy/dx = 1 + y^2, in 80-bit reals. Every step adds positive
// numbers, so the result is the nearest double or one unit off it.
double bernoulli_number(int n);
