#include "product_expansion.h"

void expand_linear_factors(const double *constants, int m, long double *product, long double *scratch)
{
    for (int e = 0; e <= m; e++)
        product[e] = 0.0L;
    if (m == 0) {
        product[0] = 1.0L;
        return;
    }
    product[1] = 1.0L;
    product[0] = constants[0];
    for (int i = 1; i < m; i++) {
        // the product so far has degree i; times (x + c_i) it has degree i + 1
        for (int e = i + 1; e >= 0; e--) {
            scratch[e] = product[e] * constants[i];
            if (e >= 1)
                scratch[e] = product[e - 1] + scratch[e];
        }
        for (int e = 0; e <= i + 1; e++)
            product[e] = scratch[e];
    }
}
