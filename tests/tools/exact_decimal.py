"""Decimal forms of exact rationals, shared by the reference generators."""
from fractions import Fraction


def decimal_exponent(x):
    """The exponent e of a positive rational x: 10^e <= x < 10^(e+1)."""
    x = Fraction(x)
    exponent = len(str(x.numerator)) - len(str(x.denominator))
    while Fraction(10) ** exponent > x:
        exponent -= 1
    while Fraction(10) ** (exponent + 1) <= x:
        exponent += 1
    return exponent


def rounded(x, digits):
    """A nonzero rational x rounded to digits significant digits, ties to even
    on the exact value: (sign "" or "-", the digits as text, decimal exponent)."""
    sign = "-" if x < 0 else ""
    x = abs(Fraction(x))
    exponent = decimal_exponent(x)
    mantissa = round(x / Fraction(10) ** (exponent - digits + 1))
    if mantissa == 10 ** digits:
        mantissa //= 10
        exponent += 1
    return sign, str(mantissa), exponent
