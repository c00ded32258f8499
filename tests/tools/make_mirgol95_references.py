#!/usr/bin/env python3
"""Writes tests/data/mirgol95/references.txt: the generalized Fibonacci
numbers G[n], n = -100..100, of G[0] = p, G[1] = q, G[n+2] = G[n+1] + G[n],
computed exactly in rationals from the doubles that the program reads from
the typed texts of p and q, each printed as "%.8E" would print the exact
value (nine significant digits, rounded to nearest, ties to even).

usage: make_mirgol95_references.py > tests/data/mirgol95/references.txt
Each line: p-text q-text n printed-value
"""
from decimal import Decimal, getcontext, ROUND_HALF_EVEN
from fractions import Fraction

# texts as typed into the boxes (at most 9 characters each)
STARTS = [
    ("1", "1"), ("0", "1"), ("2", "1"), ("0.1", "0.2"), ("-1.5", "2.25"),
    ("1", "-.6180340"), ("-.6180340", "1"), ("701408733", "-433494437"),
    ("999999999", "999999999"), ("-999999.9", "0.0000001"), ("3.1415926", "-2.718281"),
    ("-", "5."), ("0.5", "0.5"),
]


def exact_value(text):
    """The double that atof gives for text, as an exact rational."""
    if text in ("-", ""):
        return Fraction(0)
    return Fraction(float(text))


def sequence(p, q):
    g = {0: p, 1: q}
    for n in range(2, 101):
        g[n] = g[n - 1] + g[n - 2]
    for n in range(-1, -101, -1):
        g[n] = g[n + 2] - g[n + 1]
    return g


def printed(value):
    """value as "%.8E" prints it: d.dddddddd, E, sign, at least two digits."""
    if value == 0:
        return "0.00000000E+00"
    getcontext().prec = 80
    d = Decimal(value.numerator) / Decimal(value.denominator)
    sign = "-" if d < 0 else ""
    d = abs(d)
    exponent = d.adjusted()
    mantissa = (d.scaleb(-exponent)).quantize(Decimal("1.00000000"), rounding=ROUND_HALF_EVEN)
    if mantissa >= 10:
        exponent += 1
        mantissa = (d.scaleb(-exponent)).quantize(Decimal("1.00000000"), rounding=ROUND_HALF_EVEN)
    return "%s%sE%s%02d" % (sign, mantissa, "+" if exponent >= 0 else "-", abs(exponent))


def main():
    print("# p q n G[n], exact values of the typed starting values, as \"%.8E\" prints them")
    for p_text, q_text in STARTS:
        g = sequence(exact_value(p_text), exact_value(q_text))
        for n in range(-100, 101):
            print(p_text, q_text, n, printed(g[n]))


if __name__ == "__main__":
    main()
