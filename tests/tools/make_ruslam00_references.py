#!/usr/bin/env python3
"""Writes the clipboard texts and the expected result files of ruslam00's
end-to-end and unit tests into tests/data/ruslam00/: for each case NAME the
clipboard text NAME.txt (as a spreadsheet copies it: TAB between cells,
CR LF after each row) and the result file NAME.xls.

The coefficients are the exact products of the constants as the program
reads them (each cell rounded to a double, a fraction as the double
quotient of its two doubles), multiplied out in rational arithmetic and
rounded once to 9 significant digits.

usage: make_ruslam00_references.py OUT_DIR
"""
import os
import random
import sys
from fractions import Fraction


def cell_value(cell):
    if '/' in cell:
        numerator, denominator = cell.split('/')
        return float(numerator or 0) / float(denominator)
    return float(cell) if cell else 0.0


def exact_e(value, width):
    """printf("%<width>.8E") of an exact rational; a zero has no sign."""
    if value == 0:
        return '0.00000000E+00'.rjust(width)
    sign = '-' if value < 0 else ''
    value = abs(value)
    exponent = len(str(value.numerator)) - len(str(value.denominator))
    while value >= Fraction(10) ** exponent * 10:
        exponent += 1
    while value < Fraction(10) ** exponent:
        exponent -= 1
    scaled = value / Fraction(10) ** (exponent - 8)
    digits = round(scaled)  # half to even; no ties arise in these cases
    if digits == 10 ** 9:
        digits //= 10
        exponent += 1
    text = str(digits)
    return f'{sign}{text[0]}.{text[1:]}E{"-" if exponent < 0 else "+"}{abs(exponent):02d}'.rjust(width)


def double_e(value):
    return '%16.8E' % (value if value != 0 else 0.0)


def expand(constants):
    """Coefficients of prod (Z + a), index = power, as complex rationals (re, im)."""
    coefficients = [(Fraction(1), Fraction(0))]
    for re, im in constants:
        a, b = Fraction(re), Fraction(im)
        shifted = [(Fraction(0), Fraction(0))] + coefficients  # Z times the product
        for k, (c, d) in enumerate(coefficients):
            shifted[k] = (shifted[k][0] + c * a - d * b, shifted[k][1] + c * b + d * a)
        coefficients = shifted
    return coefficients


TEXTS = {
    'en': ('EXPANSION OF FACTORIAL POWERS', 'INPUTTED DATA', 'Term', 'Coef.', 'Coef.[Re]', 'Coef.[Im]'),
    'ja': ('因数分解式の展開', '入力データ', '項', '係数', '係数[Re]', '係数[Im]'),
}


def result_file(rows, complex_mode, language):
    title, inputs, term, coef, coef_re, coef_im = TEXTS[language]
    constants = [(cell_value(r[0]), cell_value(r[1]) if complex_mode else 0.0) for r in rows]
    lines = [title, '', inputs + ('\tRe\tIm' if complex_mode else '')]
    for k, (re, im) in enumerate(constants, 1):
        lines.append(f'A[{k}]\t{double_e(re)}' + (f'\t{double_e(im)}' if complex_mode else ''))
    lines += ['', term + '\t' + (f'{coef_re}\t{coef_im}' if complex_mode else coef)]
    for k, (re, im) in enumerate(expand(constants)):
        lines.append(f' Z^{k}\t{exact_e(re, 17)}' + (f'\t{exact_e(im, 17)}' if complex_mode else ''))
    return ('\r\n'.join(lines) + '\r\n').encode('cp932')


def hundred_rows():
    """100 positive constants of many forms: no cancellation in the sums."""
    pick = random.Random(100)
    rows = []
    for k in range(100):
        form = k % 4
        if form == 0:
            rows.append((f'{pick.randint(1, 999)}/{pick.randint(1, 97)}',))
        elif form == 1:
            rows.append((f'{pick.uniform(0.1, 9):.6f}E{pick.randint(-2, 2)}',))
        elif form == 2:
            rows.append((str(pick.randint(1, 50)),))
        else:
            rows.append((f'  .{pick.randint(1, 99999)}',))
    return rows


CASES = {
    # name: (rows, complex mode, language)
    'real_two': ([('1',), ('2',)], 0, 'en'),
    'real_one': ([('3',)], 0, 'en'),
    'fraction': ([('1/3',)], 0, 'en'),
    'complex_conjugate': ([('0', '1'), ('0', '-1')], 1, 'en'),
    'complex_mixed': ([('1', '2'), ('0.5', '-1'), ('-3', '1/4'), ('', '-2.5E1')], 1, 'en'),
    'hundred': (hundred_rows(), 0, 'en'),
    'japanese_complex': ([('1', '2'), ('-3/4', '0.5')], 1, 'ja'),
}


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, (rows, complex_mode, language) in CASES.items():
        text = ''.join('\t'.join(row) + '\r\n' for row in rows)
        with open(os.path.join(out, name + '.txt'), 'wb') as f:
            f.write(text.encode('ascii'))
        with open(os.path.join(out, name + '.xls'), 'wb') as f:
            f.write(result_file(rows, complex_mode, language))


if __name__ == '__main__':
    main()
