#include "exp_extended.h"

// The doubles nearest log2 e and ln 2, held in extended format: the reduction
// is only as exact as these two constants.
static const long double LOG2_E = 1.4426950408889634;
static const long double LN_2 = 0.6931471805599453;

// e^x = 2^k e^r with k = x log2 e rounded half away from zero and
// r = x - k ln 2. With w = r^2 / (6 + r^2 / (10 + r^2 / (14 + r^2 / (18 + r^2 / 22)))),
// the tail of the continued fraction tanh(r/2) = r / (2 + w), e^r is
// (2 + w + r) / (2 + w - r).
long double exp_extended(long double x)
{
    long double half = x >= 0 ? 0.5L : -0.5L;
    int k = (int)(long long)(x * LOG2_E + half);
    long double r = x - k * LN_2;
    long double b = r * r;
    long double w = b / 22;
    const int denominators[] = {18, 14, 10, 6};
    for (int t : denominators)
        w = b / (t + w);
    long double q = ((w + 2) + r) / ((w + 2) - r);
    return scale_by_power_of_two(q, k);
}

// Walks the bits of |k| from the lowest: p runs through 2^(2^j) (or its
// inverse) and multiplies x where the bit is set.
long double scale_by_power_of_two(long double x, int k)
{
    long double p = k >= 0 ? 2.0L : 0.5L;
    unsigned int m = k >= 0 ? (unsigned int)k : 0u - (unsigned int)k;
    while (m != 0) {
        if (m & 1u)
            x = x * p;
        p = p * p;
        m >>= 1;
    }
    return x;
}
