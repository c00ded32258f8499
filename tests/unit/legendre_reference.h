// Reference Legendre polynomials for the tests of the tables built on them.
#pragma once

#include <vector>

// P(n;x) in ascending powers by Bonnet's recurrence
// (k+1) P(k+1;x) = (2k+1) x P(k;x) - k P(k-1;x), in long double. Both terms of
// each coefficient have the same sign, so nothing cancels and the relative
// error stays near k units of the last place (k * 1e-19), far below that of
// tables built from logarithm sums.
inline std::vector<long double> legendre_reference(int n)
{
    std::vector<long double> previous(n + 2, 0.0L), current(n + 2, 0.0L), next(n + 2, 0.0L);
    current[0] = 1.0L;
    for (int k = 0; k < n; k++) {
        for (int i = 0; i <= k + 1; i++) {
            long double raised = i > 0 ? (2 * k + 1) * current[i - 1] : 0.0L;
            next[i] = (raised - k * previous[i]) / (k + 1);
        }
        previous = current;
        current = next;
    }
    current.resize(n + 1);
    return current;
}
