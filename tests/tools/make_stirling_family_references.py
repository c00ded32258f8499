#!/usr/bin/env python3
"""Writes exact references for the unit tests of nusk00, gustre00 and zolvin01:
every coefficient they print, computed in exact integer and rational
arithmetic and rounded once to the 9 significant digits of "%.8E".

usage: make_stirling_family_references.py [DATA]   (default tests/data)

  DATA/nusk00/exact.txt    "S n k value": S(n,k), n = 0..100, k = 0..n
                           "B n value":   the Bell number B_n = sum of S(n,k)
  DATA/gustre00/exact.txt  "falling n k value": coefficient of x^k in
                           x(x-1)...(x-(n-1)), n = 1..100, k = 0..n
                           "central n k value": coefficient of x^k in
                           x (x^2-1)(x^2-4)...(x^2-(n-1)^2), k = 0..2n-1
  DATA/zolvin01/exact.txt  "b n k value": coefficient of x^k in
                           b_n(x) = integral from x to x+1 of (t)_n dt, n = 0..100

The polynomials are built as products of their factors and the second
kind by the sum S(n,k) = sum over j of (-1)^(k-j) C(k,j) j^n / k! (not by
the programs' recurrences); b_n by integrating (t)_n term by term over
[x, x+1] with the binomial expansion of (x+1)^(j+1) - x^(j+1).
Plain Python 3, no packages.
"""
import os
import sys
from fractions import Fraction
from math import comb, factorial

from exact_decimal import rounded

N = 100


def printed(value):
    """value rounded to 9 significant digits (ties to even) as "%.8E" prints it."""
    if value == 0:
        return "0.00000000E+00"
    sign, text, e = rounded(value, 9)
    return "%s%s.%sE%s%02d" % (sign, text[0], text[1:], "-" if e < 0 else "+", abs(e))


def times_linear(p, c):
    """p(x) (x + c), coefficient lists in ascending powers."""
    out = [0] * (len(p) + 1)
    for k, a in enumerate(p):
        out[k + 1] += a
        out[k] += c * a
    return out


def falling(n):
    p = [1]
    for i in range(n):
        p = times_linear(p, -i)
    return p


def central(n):
    p = [0, 1]
    for k in range(1, n):
        p = times_linear(times_linear(p, -k), k)
    return p


def second_kind(n, k):
    return sum((-1) ** (k - j) * comb(k, j) * j ** n for j in range(k + 1)) // factorial(k)


def bernoulli_second_kind(n):
    b = [Fraction(0)] * (n + 1)
    for j, s in enumerate(falling(n)):
        # integral from x to x+1 of t^j = ((x+1)^(j+1) - x^(j+1)) / (j+1)
        for i in range(j + 1):
            b[i] += Fraction(s * comb(j + 1, i), j + 1)
    return b


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data")
    lines = ["# S n k S(n,k); B n B_n; exact, rounded to 9 digits"]
    for n in range(N + 1):
        row = [second_kind(n, k) for k in range(n + 1)]
        lines += ["S %d %d %s" % (n, k, printed(v)) for k, v in enumerate(row)]
        lines.append("B %d %s" % (n, printed(sum(row))))
    write(os.path.join(data, "nusk00", "exact.txt"), lines)

    lines = ["# falling|central n k coefficient of x^k; exact, rounded to 9 digits"]
    for n in range(1, N + 1):
        lines += ["falling %d %d %s" % (n, k, printed(v)) for k, v in enumerate(falling(n))]
        lines += ["central %d %d %s" % (n, k, printed(v)) for k, v in enumerate(central(n))]
    write(os.path.join(data, "gustre00", "exact.txt"), lines)

    lines = ["# b n k coefficient of x^k in b_n(x); exact, rounded to 9 digits"]
    for n in range(N + 1):
        lines += ["b %d %d %s" % (n, k, printed(v)) for k, v in enumerate(bernoulli_second_kind(n))]
    write(os.path.join(data, "zolvin01", "exact.txt"), lines)


if __name__ == "__main__":
    main()
