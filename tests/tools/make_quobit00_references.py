#!/usr/bin/env python3
"""Writes exact reference coefficients of the Stirling polynomials S(n;x),
n = 0..100, for the quobit00 unit tests.

usage: make_quobit00_references.py [OUT]   (default tests/data/quobit00/coefficients.txt)

Independent of the program's sum over second-order Eulerian numbers: for
integers x >= n,
    S(n;x) = n! c(x+1, x+1-n) / (x (x-1) ... (x-n+1)),
with c(h,k) the unsigned Stirling numbers of the first kind (cycle numbers),
and S(n;x) is the polynomial of degree n through the n+1 points
x = n, n+1, ..., 2n (Newton's divided differences, exact rationals).
Checks: S(1;x) = (x+1)/2, S(2;x) = (3x^2+5x+2)/12, leading coefficient
2^-n, and S(n;x) at a point outside the interpolation nodes.
Each line holds n, j, the coefficient of x^j rounded to 30 significant
digits, and the texts that "%.8E" gives for the exact coefficient and for
the coefficient divided by the leading one (9 significant digits, ties to
even). Plain Python 3, no packages.
"""
import os
import sys
from fractions import Fraction
from math import factorial

from exact_decimal import rounded

N = 100


def cycle_numbers(h_max):
    """c(h,k) for 0 <= k <= h <= h_max: c(h,k) = c(h-1,k-1) + (h-1) c(h-1,k)."""
    rows = [[1]]
    for h in range(1, h_max + 1):
        previous = rows[-1]
        row = [0] * (h + 1)
        for k in range(1, h + 1):
            row[k] = previous[k - 1] + ((h - 1) * previous[k] if k < h else 0)
        rows.append(row)
    return rows


def falling(x, n):
    p = 1
    for i in range(n):
        p *= x - i
    return p


def stirling_value(c, n, x):
    return Fraction(factorial(n) * c[x + 1][x + 1 - n], falling(x, n))


def interpolate(points):
    """Monomial coefficients of the polynomial through (x_i, y_i)."""
    xs = [x for x, _ in points]
    table = [y for _, y in points]
    m = len(points)
    for level in range(1, m):
        for i in range(m - 1, level - 1, -1):
            table[i] = (table[i] - table[i - 1]) / (xs[i] - xs[i - level])
    # Horner on the Newton form, from the highest divided difference
    coefficients = [Fraction(0)] * m
    coefficients[0] = table[m - 1]
    for i in range(m - 2, -1, -1):
        # coefficients = coefficients * (x - xs[i]) + table[i]
        shifted = [Fraction(0)] * m
        for j in range(m - 1, 0, -1):
            shifted[j] = coefficients[j - 1] - xs[i] * coefficients[j]
        shifted[0] = -xs[i] * coefficients[0] + table[i]
        coefficients = shifted
    return coefficients


def significant(x, digits, exponent_digits=2):
    """x rounded to digits significant digits (ties to even), as d.ddd...E+XX."""
    if x == 0:
        return "0." + "0" * (digits - 1) + "E+00"
    sign, text, exponent = rounded(x, digits)
    return "%s%s.%sE%s%0*d" % (sign, text[0], text[1:], "+" if exponent >= 0 else "-", exponent_digits, abs(exponent))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "quobit00", "coefficients.txt")
    c = cycle_numbers(2 * N + 4)
    lines = ["# n j c_j(30 digits) %.8E(c_j) %.8E(c_j/c_n): S(n;x) = sum of c_j x^j, exact values rounded"]
    for n in range(N + 1):
        if n == 0:
            poly = [Fraction(1)]
        else:
            poly = interpolate([(x, stirling_value(c, n, x)) for x in range(n, 2 * n + 1)])
            probe = 2 * n + 3
            assert sum(a * probe ** j for j, a in enumerate(poly)) == stirling_value(c, n, probe), n
        assert poly[n] == Fraction(1, 2 ** n), n
        if n == 1:
            assert poly == [Fraction(1, 2), Fraction(1, 2)]
        if n == 2:
            assert poly == [Fraction(2, 12), Fraction(5, 12), Fraction(3, 12)]
        for j, a in enumerate(poly):
            lines.append("%d %d %s %s %s" % (n, j, significant(a, 30), significant(a, 9), significant(a / poly[n], 9)))
    with open(out, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
