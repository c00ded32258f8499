// The constant table of jaskel02: for each degree n = 2..1000, an
// irreducible polynomial over GF(2) with the fewest terms.
#pragma once

enum { GF2_FIRST_ENTRY = 2, GF2_LAST_DEGREE = 1000, GF2_TABLE_SIZE = GF2_LAST_DEGREE + 1 };

// Entry n (n = 2..1000; entries 0 and 1 are NULL): the degree and the
// exponents of the middle terms in descending order, each followed by ".":
// "8.4.3.1." stands for x^8 + x^4 + x^3 + x + 1; the constant term 1 is
// implied. The polynomial is the trinomial x^n + x^k + 1 with the least k
// that is irreducible, or where there is none the irreducible pentanomial
// x^n + x^k3 + x^k2 + x^k1 + 1 with the least k3, then k2, then k1.
// Irreducible does not mean primitive: modulo the degree-8 entry, x has
// order 51, not 255.
extern const char *const gf2_polynomial_table[GF2_TABLE_SIZE];
