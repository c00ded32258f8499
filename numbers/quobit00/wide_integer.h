// Integers of fixed width in two's complement, for the exact sums of the
// Stirling polynomials: addition, subtraction and multiplication are exact
// as long as the true result fits the width, and a quotient by a product
// of small divisors is rounded once to an 80-bit real.
#pragma once

#include <cstdint>

enum {
    WIDE_LIMBS = 36,  // 1152 bits; the largest sum, at degree 100, needs 1050
    WIDE_BITS = WIDE_LIMBS * 32
};

// limb[0] is the lowest 32 bits; the top bit of limb[WIDE_LIMBS-1] is the sign.
struct WideInteger {
    uint32_t limb[WIDE_LIMBS];
};

void wide_set(WideInteger *x, int32_t value);
int wide_is_zero(const WideInteger *x);
int wide_is_negative(const WideInteger *x);
// The number of limbs up to the highest nonzero one of x >= 0 (0 for x = 0).
int wide_length(const WideInteger *x);
// x += y and x -= y.
void wide_add(WideInteger *x, const WideInteger *y);
void wide_subtract(WideInteger *x, const WideInteger *y);
// x *= m.
void wide_multiply_small(WideInteger *x, uint32_t m);
// x += a b for a, b >= 0 of a_length and b_length limbs (see wide_length).
void wide_add_product(WideInteger *x, const WideInteger *a, int a_length, const WideInteger *b, int b_length);

// x / (d[0] d[1] ... d[count-1]) rounded to the nearest 80-bit real (ties to
// even), for divisors 1 <= d[i] < 2^32 whose bit lengths add up to at most
// WIDE_BITS - 128: the quotient is formed exactly to 67 bits and more, with
// a sticky bit for the rest, and rounded once.
long double wide_quotient_rounded(const WideInteger *x, const uint32_t *divisors, int count);
