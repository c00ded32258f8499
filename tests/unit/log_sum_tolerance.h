// How far a number computed as exp of a sum of logarithms may lie from the
// exact one, relatively.
#pragma once

#include <cmath>

// The relative error of exp(s) is the absolute error of s: at most half a unit
// in the last place of the largest partial sum, k ln n, for each of the 2k
// steps of C(n, k), and as much again for the logarithms themselves.
inline long double log_sum_tolerance(int n, int k)
{
    double largest = k * log((double)(n > 1 ? n : 2)) + 1;
    return 2 * k * (nextafter(largest, 1e300) - largest) + 1e-18L;
}
