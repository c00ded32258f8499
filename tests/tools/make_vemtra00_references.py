#!/usr/bin/env python3
"""Writes exact reference coefficients of the Charlier polynomials C(a,n;x),
n = 0..100, for negative a, for the vemtra00 unit tests.

usage: make_vemtra00_references.py [OUT]   (default tests/data/vemtra00/negative_a.txt)

C(a,n;x) = sum over m = 0..n of C(n,m) (-a)^(n-m) x(x-1)...(x-m+1). The
parameters are the binary doubles that the program reads (a Python float is
that double), so every coefficient is an exact rational. They are built
exactly by the three-term recurrence
    C(a,n+1;x) = (x - n - a) C(a,n;x) - a n C(a,n-1;x),
and a few degrees are checked against the defining sum. Each line holds a,
n, k, the coefficient c_k of x^k rounded to 25 significant digits, and
S_k = sum over m of |C(n,m) (-a)^(n-m) s(m,k)| (s the Stirling numbers of the
first kind) to 6 digits: the size of the cancelling terms.
Plain Python 3, no packages.
"""
import os
import sys
from fractions import Fraction
from math import comb

from exact_decimal import rounded

# Negative parameters, the worst cancellation (a = -10) to a tiny one.
PARAMETERS = [-10.0, -9.0, -7.5, -6.0, -5.0, -0.5, -1e-7]
ALL = range(101)
SOME = sorted(set(range(0, 20)) | set(range(20, 101, 9)) | {99, 100})
DEGREES = {-10.0: ALL, -6.0: ALL}


def charlier_rows(a):
    """Coefficient lists of C(a,n;x), n = 0..100, exact."""
    a = Fraction(a)
    rows = [[Fraction(1)]]
    previous = [Fraction(0)]
    current = rows[0]
    for n in range(100):
        following = [Fraction(0)] * (n + 2)
        for k in range(n + 2):
            lower = current[k - 1] if k >= 1 else 0
            here = current[k] if k <= n else 0
            back = previous[k] if k < len(previous) else 0
            following[k] = lower - (n + a) * here - a * n * back
        previous, current = current, following
        rows.append(current)
    return rows


def stirling_rows():
    """Signed Stirling numbers of the first kind s(m,k), m = 0..100."""
    rows = [[1]]
    for m in range(100):
        row = [0] * (m + 2)
        for k in range(m + 2):
            row[k] = (rows[m][k - 1] if k >= 1 else 0) - (m * rows[m][k] if k <= m else 0)
        rows.append(row)
    return rows


def defining_sum(a, n, stirling, absolute=False):
    a = Fraction(a)
    result = [Fraction(0)] * (n + 1)
    for m in range(n + 1):
        weight = comb(n, m) * (-a) ** (n - m)
        for k in range(m + 1):
            term = weight * stirling[m][k]
            result[k] += abs(term) if absolute else term
    return result


def significant(x, digits=25):
    """x rounded to the given number of significant digits, as d.ddd...e+XX."""
    if x == 0:
        return "0"
    sign, text, exponent = rounded(x, digits)
    return "%s%s.%se%+03d" % (sign, text[0], text[1:], exponent)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "vemtra00", "negative_a.txt")
    stirling = stirling_rows()
    lines = ["# a n k c_k S_k: coefficient of x^k in C(a,n;x), exact to 25 digits; size of its terms"]
    for a in PARAMETERS:
        rows = charlier_rows(a)
        for n in (0, 1, 7, 50, 100):
            assert rows[n] == defining_sum(a, n, stirling), (a, n)
        for n in DEGREES.get(a, SOME):
            sizes = defining_sum(a, n, stirling, absolute=True)
            for k, c in enumerate(rows[n]):
                lines.append("%r %d %d %s %s" % (a, n, k, significant(c), significant(sizes[k], 6)))
    with open(out, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
