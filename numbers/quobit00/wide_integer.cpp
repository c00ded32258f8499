#include "wide_integer.h"

#include <cmath>

void wide_set(WideInteger *x, int32_t value)
{
    uint32_t fill = value < 0 ? 0xFFFFFFFFu : 0u;
    x->limb[0] = (uint32_t)value;
    for (int i = 1; i < WIDE_LIMBS; i++)
        x->limb[i] = fill;
}

int wide_is_zero(const WideInteger *x)
{
    for (int i = 0; i < WIDE_LIMBS; i++)
        if (x->limb[i] != 0)
            return 0;
    return 1;
}

int wide_is_negative(const WideInteger *x)
{
    return (x->limb[WIDE_LIMBS - 1] >> 31) != 0;
}

int wide_length(const WideInteger *x)
{
    int length = WIDE_LIMBS;
    while (length > 0 && x->limb[length - 1] == 0)
        length--;
    return length;
}

void wide_add(WideInteger *x, const WideInteger *y)
{
    uint64_t carry = 0;
    for (int i = 0; i < WIDE_LIMBS; i++) {
        carry += (uint64_t)x->limb[i] + y->limb[i];
        x->limb[i] = (uint32_t)carry;
        carry >>= 32;
    }
}

void wide_subtract(WideInteger *x, const WideInteger *y)
{
    uint64_t borrow = 0;
    for (int i = 0; i < WIDE_LIMBS; i++) {
        uint64_t difference = (uint64_t)x->limb[i] - y->limb[i] - borrow;
        x->limb[i] = (uint32_t)difference;
        borrow = (difference >> 32) & 1u;
    }
}

void wide_multiply_small(WideInteger *x, uint32_t m)
{
    uint64_t carry = 0;
    for (int i = 0; i < WIDE_LIMBS; i++) {
        carry += (uint64_t)x->limb[i] * m;
        x->limb[i] = (uint32_t)carry;
        carry >>= 32;
    }
}

void wide_add_product(WideInteger *x, const WideInteger *a, int a_length, const WideInteger *b, int b_length)
{
    for (int i = 0; i < a_length; i++) {
        uint64_t ai = a->limb[i];
        if (ai == 0)
            continue;
        uint64_t carry = 0;
        int top = b_length < WIDE_LIMBS - i ? b_length : WIDE_LIMBS - i;
        for (int j = 0; j < top; j++) {
            carry += ai * b->limb[j] + x->limb[i + j];
            x->limb[i + j] = (uint32_t)carry;
            carry >>= 32;
        }
        for (int k = i + top; k < WIDE_LIMBS && carry != 0; k++) {
            carry += x->limb[k];
            x->limb[k] = (uint32_t)carry;
            carry >>= 32;
        }
    }
}

// A natural number of up to WIDE_LIMBS + 4 limbs, the lowest first.
enum { QUOTIENT_LIMBS = WIDE_LIMBS + 4 };

static int bit_length(const uint32_t *limb, int length)
{
    while (length > 0 && limb[length - 1] == 0)
        length--;
    if (length == 0)
        return 0;
    int bits = 32 * (length - 1);
    for (uint32_t top = limb[length - 1]; top != 0; top >>= 1)
        bits++;
    return bits;
}

static int bit_at(const uint32_t *limb, int index)
{
    return (limb[index / 32] >> (index % 32)) & 1u;
}

// Any bit below index set.
static int bits_below(const uint32_t *limb, int index)
{
    for (int i = 0; i < index / 32; i++)
        if (limb[i] != 0)
            return 1;
    return index % 32 != 0 && (limb[index / 32] & ((1u << (index % 32)) - 1)) != 0;
}

// floor(m / d) in place; returns the remainder.
static uint32_t divide_small(uint32_t *limb, int length, uint32_t d)
{
    uint64_t remainder = 0;
    for (int i = length - 1; i >= 0; i--) {
        uint64_t part = (remainder << 32) | limb[i];
        limb[i] = (uint32_t)(part / d);
        remainder = part % d;
    }
    return (uint32_t)remainder;
}

// floor(m 2^s) in place, s >= 0; the number must keep within length limbs.
static void shift_left(uint32_t *limb, int length, int s)
{
    int whole = s / 32, part = s % 32;
    for (int i = length - 1; i >= 0; i--) {
        uint64_t high = i - whole >= 0 ? limb[i - whole] : 0;
        uint64_t low = i - whole - 1 >= 0 ? limb[i - whole - 1] : 0;
        limb[i] = part == 0 ? (uint32_t)high : (uint32_t)((high << part) | (low >> (32 - part)));
    }
}

long double wide_quotient_rounded(const WideInteger *x, const uint32_t *divisors, int count)
{
    if (wide_is_zero(x))
        return 0.0L;
    int negative = wide_is_negative(x);
    WideInteger magnitude = *x;
    if (negative) {
        WideInteger zero;
        wide_set(&zero, 0);
        wide_subtract(&zero, x);
        magnitude = zero;
    }
    uint32_t q[QUOTIENT_LIMBS] = {0};
    for (int i = 0; i < WIDE_LIMBS; i++)
        q[i] = magnitude.limb[i];

    // m 2^s / D keeps at least 67 bits when s >= 67 + bits(D) - bits(m).
    int divisor_bits = 0;
    for (int i = 0; i < count; i++)
        divisor_bits += bit_length(&divisors[i], 1);
    int shift = 67 + divisor_bits - bit_length(q, QUOTIENT_LIMBS);
    if (shift < 0)
        shift = 0;
    shift_left(q, QUOTIENT_LIMBS, shift);

    // floor(floor(m / a) / b) = floor(m / (a b)); the quotient is exact only
    // when every remainder is 0.
    int sticky = 0;
    int length = (bit_length(q, QUOTIENT_LIMBS) + 31) / 32;
    for (int i = 0; i < count; i++) {
        if (divide_small(q, length, divisors[i]) != 0)
            sticky = 1;
        while (length > 1 && q[length - 1] == 0)
            length--;
    }

    int bits = bit_length(q, QUOTIENT_LIMBS);
    int low = bits - 64;  // the lowest bit kept in the 64-bit mantissa
    uint64_t mantissa = 0;
    for (int i = bits - 1; i >= low; i--)
        mantissa = (mantissa << 1) | (uint64_t)bit_at(q, i);
    int round_bit = bit_at(q, low - 1);
    sticky = sticky || bits_below(q, low - 1);
    if (round_bit && (sticky || (mantissa & 1u))) {
        mantissa++;
        if (mantissa == 0) {  // 2^64: one more binary place
            mantissa = 1ull << 63;
            low++;
        }
    }
    long double value = ldexpl((long double)mantissa, low - shift);
    return negative ? -value : value;
}
