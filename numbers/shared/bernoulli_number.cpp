#include "bernoulli_number.h"

#include <cmath>

enum { TANGENT_SLOTS = 103 };

// t holds the coefficients of a polynomial P(y) in y = tan x; pass i turns P
// into its derivative dP/dx = P'(y) (1 + y^2). Starting from P = y, t[0] is
// the tangent number T_(i-1) after pass i.
double bernoulli_number(int n)
{
    if (n == 0)
        return 1.0;
    if (n == 1)
        return -0.5;
    if (n % 2 == 1)
        return 0.0;
    long double t[TANGENT_SLOTS] = {0};
    long double p = 1;  // 4^(i/2)
    long double r = 0;
    t[1] = 1;
    for (int i = 2; i <= n; i++) {
        for (int j = 1; j <= i - 1; j++)  // P'(y)
            t[j - 1] = j * t[j];
        t[i - 1] = 0;
        for (int k = i; k >= 2; k--)  // times 1 + y^2
            t[k] = t[k - 2] + t[k];
        if (i % 2 == 0) {
            p = p * 4;
            if (i == n)
                r = (i * t[0]) / ((p - 1) * p);
        }
    }
    long double a = fabsl(r);
    return (double)(n % 4 != 0 ? a : -a);
}
