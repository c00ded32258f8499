#!/usr/bin/env python3
"""Writes exact reference rows of the Stirling numbers of both kinds (for the
quobit95 unit tests) and of the Eulerian numbers of both orders (tovex98).

usage: make_stirling_eulerian_references.py [QUOBIT95_OUT TOVEX98_OUT]
       (default tests/data/quobit95/stirling.txt, tests/data/tovex98/eulerian.txt)

Exact integers, independent of the programs' recurrences:
  s(n,k): the coefficients of x(x-1)...(x-n+1), multiplied out factor by factor;
  S(n,k) = (1/k!) sum over j of (-1)^(k-j) C(k,j) j^n (the explicit formula);
  A1(n,k) = sum over j = 0..k of (-1)^j C(n+1,j) (k+1-j)^n (Euler's formula);
  A2(n,k) from x^n... by the recurrence of the second order (no closed form),
      checked against the identity s(x, x-n) = sum over m of A2(n,m) C(x+m, 2n)
      at several integers x (unsigned cycle numbers on the left, as the
      program's window shows them) and the row sums (2n-1)!!.
Each line: n, k and the two values of the program's row, each rounded to 25
significant digits, and their texts as "%.8E" prints the exact value.
Plain Python 3, no packages.
"""
import os
import sys
from math import comb, factorial, prod

from exact_decimal import rounded

ROWS = list(range(1, 31)) + list(range(35, 101, 5)) + [99]


def first_kind(n):
    row = [1]  # the empty product
    for i in range(n):  # times (x - i)
        row = [(row[k - 1] if k >= 1 else 0) - (i * row[k] if k < len(row) else 0) for k in range(len(row) + 1)]
    return row


def second_kind(n, k):
    return sum((-1) ** (k - j) * comb(k, j) * j ** n for j in range(k + 1)) // factorial(k)


def eulerian_first(n, k):
    return sum((-1) ** j * comb(n + 1, j) * (k + 1 - j) ** n for j in range(k + 1))


def eulerian_second_rows(n_max):
    rows = [[1]]
    for n in range(1, n_max + 1):
        p = rows[-1]
        rows.append([1] + [(k + 1) * (p[k] if k < len(p) else 0) + (2 * n - k - 1) * p[k - 1] for k in range(1, n)])
    return rows


def cycle_numbers(h_max):
    rows = [[1]]
    for h in range(1, h_max + 1):
        p = rows[-1]
        rows.append([0] + [p[k - 1] + ((h - 1) * p[k] if k < h else 0) for k in range(1, h + 1)])
    return rows


def significant(x, digits):
    """x rounded to digits significant digits (ties to even), as d.ddd...E+XX."""
    if x == 0:
        return "0." + "0" * (digits - 1) + "E+00"
    sign, text, exponent = rounded(x, digits)
    return "%s%s.%sE%s%02d" % (sign, text[0], text[1:], "+" if exponent >= 0 else "-", abs(exponent))


def cells(value):
    return "%s %s" % (significant(value, 25), significant(value, 9))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data = os.path.join(here, "..", "data")
    out95 = sys.argv[1] if len(sys.argv) > 2 else os.path.join(data, "quobit95", "stirling.txt")
    out98 = sys.argv[2] if len(sys.argv) > 2 else os.path.join(data, "tovex98", "eulerian.txt")
    second = eulerian_second_rows(100)
    cycles = cycle_numbers(130)
    for n in (1, 2, 3, 7, 12):
        for x in range(n, n + 6):
            assert cycles[x][x - n] == sum(second[n][m] * comb(x + m, 2 * n) for m in range(n)), (n, x)
    for n in range(1, 101):
        assert sum(second[n]) == prod(range(1, 2 * n, 2)), n
    lines95 = ["# n k s(n,k) S(n,k): each to 25 digits and as %.8E prints it"]
    lines98 = ["# n k A1(n,k) A2(n,k): each to 25 digits and as %.8E prints it"]
    for n in ROWS:
        s = first_kind(n)
        for k in range(1, n + 1):
            lines95.append("%d %d %s %s" % (n, k, cells(s[k]), cells(second_kind(n, k))))
        for k in range(n):
            lines98.append("%d %d %s %s" % (n, k, cells(eulerian_first(n, k)), cells(second[n][k])))
    for path, lines in ((out95, lines95), (out98, lines98)):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as f:
            f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
