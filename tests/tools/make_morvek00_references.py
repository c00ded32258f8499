#!/usr/bin/env python3
"""Writes exact reference coefficients of the expanded Jacobi polynomials
G(a,b,n;(1-x)/2), n = 0..100, for the morvek00 unit tests.

usage: make_morvek00_references.py [OUT]   (default tests/data/morvek00/expanded.txt)

G(a,b,n;y) = sum over m = 0..n of (-1)^m C(n,m) R(m) y^m with
R(m) = (a+n)(a+n+1)...(a+n+m-1) / (b(b+1)...(b+m-1)). The parameters are the
binary doubles that the program reads (a Python float is that double), and the
coefficients of x^j in G(a,b,n;(1-x)/2) are summed exactly in rational
arithmetic from this definition:
    c_j = (-1)^j sum over m = j..n of (-1)^m C(n,m) R(m) C(m,j) / 2^m.
Each line holds a, b, n, j and c_j rounded to 25 significant digits; the
largest |c_j| of a degree is what the tests measure the error against.
Plain Python 3, no packages.
"""
import os
import sys
from fractions import Fraction
from math import comb

from exact_decimal import rounded

# (a, b, degrees): the parity case a = b = 1, b = (a+1)/2 missed by the
# rounding of 0.6, exact accidental zeros (a = -10, b = 10), a dropping degree
# (integral a <= -1), b close to a pole, n + j + a close to 0 (the
# recurrence of the program divides by it), and the case with the worst
# cancellation of the plain sum.
ALL = range(101)
SOME = sorted(set(range(0, 30)) | set(range(30, 101, 7)) | {99, 100})
CASES = [
    (-2.5, 3.75, ALL),
    (1.0, 1.0, ALL),
    (0.2, 0.6, ALL),
    (-10.0, 10.0, ALL),
    (-7.25, 9.5, SOME),
    (9.5, -0.5, SOME),
    (10.0, 0.125, SOME),
    (-7.0, 1.0, SOME),
    (-10.0, -9.99, SOME),
    (10.0, 10.0, SOME),
    (0.001, -5.5, SOME),
    (-9.1, -1.08663, SOME),
]


def expanded_coefficients(a, b, n):
    a = Fraction(a)
    b = Fraction(b)
    terms = []
    ratio = Fraction(1)
    for m in range(n + 1):
        terms.append((-1) ** m * comb(n, m) * ratio / 2 ** m)
        ratio = ratio * (n + a + m) / (b + m)
    return [(-1) ** j * sum(terms[m] * comb(m, j) for m in range(j, n + 1)) for j in range(n + 1)]


def significant(x, digits=25):
    """x rounded to the given number of significant digits, as d.ddd...e+XX."""
    if x == 0:
        return "0"
    sign, text, exponent = rounded(x, digits)
    return "%s%s.%se%+03d" % (sign, text[0], text[1:], exponent)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "morvek00", "expanded.txt")
    lines = ["# a b n j c_j: coefficient of x^j in G(a,b,n;(1-x)/2), exact, 25 digits"]
    for a, b, degrees in CASES:
        for n in degrees:
            for j, c in enumerate(expanded_coefficients(a, b, n)):
                lines.append("%r %r %d %d %s" % (a, b, n, j, significant(c)))
    with open(out, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
