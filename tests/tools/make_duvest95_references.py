#!/usr/bin/env python3
"""Exact reference texts of the q-binomial coefficients nC[q]m for duvest95.

usage: make_duvest95_references.py OUT

For each q (the double that the program reads from the text) the whole
triangle n = 1..200 is built exactly: q = a / 2^s, and with
    D(n, m) = 2^(s m (n-m)) nC[q]m,  an integer,
the q-Pascal rule nC[q]m = nC[q](m-1 of n-1) + q^m nC[q]m(of n-1) becomes
    D(n, m) = 2^(s (n-m)) D(n-1, m-1) + a^m D(n-1, m).
Each chosen cell is rounded to seven significant digits from the exact
integers. A line reads
    n m q calculation-text tabulation-mantissa-and-exponent near
(the tabulation text without the blank that starts it in the file) where near is 1 when the exact value lies within 1e-10 (relative) of a
rounding boundary of the seventh digit (the printed digit may go either way
there), 0 otherwise.
"""
import sys
from fractions import Fraction

Q_TEXTS = ["0", "0.0000001", "0.1", "0.5", "0.9", "0.999", "1", "1.0000001", "1.5", "2", "2.5", "3",
           "7.25", "9.99", "10"]
N_MAX = 200
NEAR = 10 ** 10  # 1e-10 relative


def chosen_ms(n):
    """Every m for small n; for larger n the edges, the middle and a stride."""
    if n <= 31:
        return list(range(0, n + 1))
    ms = {0, 1, 2, 3, n // 4, n // 3, n // 2 - 1, n // 2, n // 2 + 1, 2 * n // 3, n - 3, n - 2, n - 1, n}
    ms.update(range(0, n + 1, 7))
    return sorted(ms)


CHOSEN_NS = list(range(1, 32)) + [40, 50, 64, 99, 100, 128, 150, 199, 200]


def exponent_text(e):
    if 0 <= e <= 9:
        return "+0%d" % e
    if -9 <= e < 0:
        return "-0%d" % -e
    return ("+%d" % e) if e > 0 else ("%d" % e)


def texts(num, den):
    """Calculation and tabulation texts of num / den > 0, and the near flag."""
    # e = floor(log10(num / den)), from the bit lengths, then corrected
    e = int((num.bit_length() - den.bit_length()) * 0.30102999566398120) - 1
    while num >= den * 10 ** (e + 1) if e + 1 >= 0 else num * 10 ** -(e + 1) >= den:
        e += 1
    while (num < den * 10 ** e) if e >= 0 else (num * 10 ** -e < den):
        e -= 1
    # scaled = num / den * 10^(6 - e), in [10^6, 10^7)
    if 6 - e >= 0:
        top, bottom = num * 10 ** (6 - e), den
    else:
        top, bottom = num, den * 10 ** (e - 6)
    whole, rest = divmod(top, bottom)
    near = abs(2 * rest - bottom) * NEAR < 2 * top
    digits = whole + (1 if 2 * rest >= bottom else 0)
    if digits == 10 ** 7:
        digits, e = 10 ** 6, e + 1
    mantissa = "%d.%06d" % (digits // 10 ** 6, digits % 10 ** 6)
    calculation = mantissa.rstrip("0").rstrip(".")
    return calculation + "E" + exponent_text(e), " " + mantissa + "E" + exponent_text(e), near


def triangle_rows(q_text):
    """Yields (n, row) with row[m] = D(n, m), and the shift s, for n = 1..N_MAX."""
    q = Fraction(float(q_text))
    a, b = q.numerator, q.denominator
    s = b.bit_length() - 1
    assert b == 1 << s
    a_powers = [a ** m for m in range(N_MAX + 1)]
    row = [1]  # n = 0
    for n in range(1, N_MAX + 1):
        new = [0] * (n + 1)
        for m in range(n + 1):
            left = row[m - 1] << (s * (n - m)) if m >= 1 else 0
            right = a_powers[m] * row[m] if m <= n - 1 else 0
            new[m] = left + right
        row = new
        yield n, row, s


def main():
    out = open(sys.argv[1], "w")
    out.write("# n m q calculation-text tabulation-text-without-its-blank near (made by tests/tools/make_duvest95_references.py)\n")
    for q_text in Q_TEXTS:
        for n, row, s in triangle_rows(q_text):
            if n not in CHOSEN_NS:
                continue
            for m in chosen_ms(n):
                calculation, tabulation, near = texts(row[m], 1 << (s * m * (n - m)))
                out.write("%d %d %s %s %s %d\n" % (n, m, q_text, calculation, tabulation[1:], near))
            out.write("%d %d %s 0E+00 0E+00 0\n" % (n, n + 1, q_text))  # m > n
    out.close()


if __name__ == "__main__":
    main()
