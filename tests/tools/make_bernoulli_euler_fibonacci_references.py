#!/usr/bin/env python3
"""Reference coefficients of the Bernoulli, Euler, Fibonacci and Lucas
polynomials, from exact rational arithmetic, printed as the result files print
them ("%17.8E": the exact value rounded to 9 significant digits).

usage: make_bernoulli_euler_fibonacci_references.py OUT_DIR
writes OUT_DIR/zolvin00/coefficients.txt, OUT_DIR/tovex00/coefficients.txt,
OUT_DIR/mirgol00/coefficients.txt and OUT_DIR/dremp00/coefficients.txt: one
line "n j value" per coefficient of x^j of the polynomial of list value n, and
for the Fibonacci and Lucas programs one line "n number value" with the
number. An exact value halfway between two printed forms (an integer such as
1072141785 at 9 digits) has both on its line: either is as near.
"""
import os
import sys
from fractions import Fraction
from math import comb

from exact_decimal import decimal_exponent


def bernoulli_numbers(count):
    """B_0..B_(count-1) with B_1 = -1/2, by the recurrence sum C(m+1,k) B_k = 0."""
    b = [Fraction(1)]
    for m in range(1, count):
        b.append(-sum(comb(m + 1, k) * b[k] for k in range(m)) / (m + 1))
    return b


def mantissa_text(sign, digits, e):
    if digits == 10 ** 9:
        digits //= 10
        e += 1
    d = str(digits)
    return '%s%s.%sE%s%02d' % (sign, d[0], d[1:], '-' if e < 0 else '+', abs(e))


def printed(value):
    """The exact value as "%.8E" prints it: the nearest 9-digit form. An exact
    value halfway between two of them gives both, the lower magnitude first."""
    value = Fraction(value)
    if value == 0:
        return '0.00000000E+00'
    sign = '-' if value < 0 else ''
    v = abs(value)
    e = decimal_exponent(v)
    scaled = v / Fraction(10) ** (e - 8)
    lower = int(scaled)
    if scaled - lower == Fraction(1, 2):
        return mantissa_text(sign, lower, e) + ' ' + mantissa_text(sign, lower + 1, e)
    return mantissa_text(sign, round(scaled), e)


def bernoulli_polynomial(n, b):
    return [comb(n, n - j) * b[n - j] for j in range(n + 1)]


def euler_polynomial(n, b):
    return [comb(n + 1, n + 1 - j) * b[n + 1 - j] * (2 - 2 ** (n + 2 - j)) / Fraction(n + 1)
            for j in range(n + 1)]


def fibonacci_polynomial(m):
    """F(m;x): coefficient of x^(m-1-2s) is C(m-1-s, s)."""
    c = [0] * m
    for s in range((m - 1) // 2 + 1):
        c[m - 1 - 2 * s] = comb(m - 1 - s, s)
    return c


def lucas_polynomial(n):
    if n == 1:
        return [0, 1]
    a = fibonacci_polynomial(n - 1) + [0, 0]
    b = fibonacci_polynomial(n + 1)
    return [a[i] + b[i] for i in range(n + 1)]


def write(path, lines):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'w', newline='\n') as f:
        f.write('\n'.join(lines) + '\n')


def coefficient_lines(n, values):
    return ['%d %d %s' % (n, j, printed(v)) for j, v in enumerate(values)]


def main():
    out = sys.argv[1]
    b = bernoulli_numbers(103)
    write(os.path.join(out, 'zolvin00', 'coefficients.txt'),
          [line for n in range(101) for line in coefficient_lines(n, bernoulli_polynomial(n, b))])
    write(os.path.join(out, 'tovex00', 'coefficients.txt'),
          [line for n in range(101) for line in coefficient_lines(n, euler_polynomial(n, b))])
    lines = []
    for n in range(1, 102):
        c = fibonacci_polynomial(n)
        lines += coefficient_lines(n, c) + ['%d number %s' % (n, printed(sum(c)))]
    write(os.path.join(out, 'mirgol00', 'coefficients.txt'), lines)
    lines = []
    for n in range(1, 101):
        c = lucas_polynomial(n)
        lines += coefficient_lines(n, c) + ['%d number %s' % (n, printed(sum(c)))]
    write(os.path.join(out, 'dremp00', 'coefficients.txt'), lines)


if __name__ == '__main__':
    main()
