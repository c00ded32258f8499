// The product of linear factors (x + c_0)(x + c_1)...(x + c_{m-1}) multiplied
// out in extended precision, as the Charlier and the discrete Tchebycheff
// programs need it for their falling products.
#pragma once

// product[0..m] receives the coefficients of (x + c_0)(x + c_1)...(x + c_{m-1}),
// index = power of x; the empty product (m = 0) is 1. The factors are taken
// one at a time: multiplying by x + c shifts the coefficients up by one power
// and adds c times the old ones. The constants are doubles, every product
// and sum is extended. scratch must hold m + 1 entries; its content is
// overwritten.
void expand_linear_factors(const double *constants, int m, long double *product, long double *scratch);
