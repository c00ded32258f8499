// The rule that defines the GF(2) table of jaskel02: for a degree n >= 2,
//   1. the trinomial x^n + x^k + 1 with the least k that is irreducible
//      over GF(2), if there is one;
//   2. otherwise the irreducible pentanomial x^n + x^k3 + x^k2 + x^k1 + 1
//      (n > k3 > k2 > k1 >= 1) with the least k3, then k2, then k1.
// Irreducibility is decided by Rabin's test.
#pragma once

#include <string>
#include <vector>

// 1 when x^n + the sum of x^k over middle (exponents between 1 and n - 1,
// any order) + 1 is irreducible over GF(2).
int is_irreducible_sparse(int n, const std::vector<int> &middle);

// The table entry of degree n (2 <= n <= 1000) made by the rule: the degree
// and the middle exponents in descending order, each followed by "."
// ("8.4.3.1." for x^8 + x^4 + x^3 + x + 1).
std::string gf2_table_entry(int n);
