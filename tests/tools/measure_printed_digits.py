#!/usr/bin/env python3
"""Measures how many printed cells of the programs' result files are not the
correctly rounded exact value.

usage: python3 tests/tools/measure_printed_digits.py [-v] [--build DIR] [PROGRAM ...]

Build the dump tools first (bash scripts/build.sh native); DIR defaults to
build/native. Without PROGRAM names every measured program runs (about half
a minute); -v lists every cell printed otherwise than correctly rounded.
--internal measures instead the largest relative deviation of the programs'
own values from the exact ones: it relinks the dump tools, in a temporary
folder, with the cell format widened to 22 digits (this needs the native
build's Makefiles and c++; the quadrature program keeps its own format and is
left out).

Each program's native dump tool (the table code that the .exe runs, see
tests/tools/dump_tables.cpp) writes the all-degrees file, with and without
normalization where the program has it and for a few values of a typed
parameter. The exact coefficients come from exact rational arithmetic
(fractions), mostly from the three-term recurrences of the families, so they
do not repeat the programs' closed formulas; the quadrature nodes and weights
are the 25-digit references in tests/data/pomrel95/references.txt. A
parameter such as 0.3 is taken as the binary double that the program reads.

For every cell the correctly rounded decimal of the exact value, with as many
digits as the cell shows, is compared with the printed text. A cell printed
otherwise is counted, with its deviation in units of the last printed digit
and the relative distance of the exact value from the rounding boundary
between the printed and the correct text: a small distance means that a
relative deviation of about that size in the program's own value moved the
rounding, not that a digit was lost. An exact value that lies exactly halfway
(a tie) accepts either neighbour. Each line also counts the cells whose exact
value lies within NEAR of a boundary, where such a slip can happen.
Plain Python 3, no packages.
"""
import argparse
import os
import subprocess
import sys
import tempfile
from fractions import Fraction
from math import comb, factorial

from exact_decimal import decimal_exponent

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DEGREES = range(101)
# A relative distance from a rounding boundary that counts as close.
NEAR = 1e-12


# ---- exact polynomials (coefficient lists, index = power) -------------------

def add(p, q):
    r = [Fraction(0)] * max(len(p), len(q))
    for i, c in enumerate(p):
        r[i] += c
    for i, c in enumerate(q):
        r[i] += c
    return r


def scale(p, f):
    return [c * f for c in p]


def times_x(p):
    return [Fraction(0)] + list(p)


def derivative(p, m):
    """The m-th derivative of p."""
    return [p[i + m] * (factorial(i + m) // factorial(i)) for i in range(len(p) - m)]


def pad(p, length):
    return list(p[:length]) + [Fraction(0)] * (length - len(p))


def legendre_rows(count):
    """P(n;x), n = 0..count-1, by (n+1) P(n+1) = (2n+1) x P(n) - n P(n-1)."""
    rows = [[Fraction(1)], [Fraction(0), Fraction(1)]]
    while len(rows) < count:
        n = len(rows) - 1
        rows.append(scale(add(scale(times_x(rows[n]), 2 * n + 1), scale(rows[n - 1], -n)), Fraction(1, n + 1)))
    return rows[:count]


LEGENDRE = legendre_rows(102)


def normalized(p, lead):
    """p divided by its coefficient of power lead; that coefficient is then 1."""
    return [c / p[lead] for c in p]


# ---- expected tables: one list of rows per block, one exact value per checked
# column (None: a column that is not measured) --------------------------------

def single_column(polys):
    return [[[c] for c in p] for p in polys]


def shifted_legendre(norm):
    """P(n;1-2x) = sum over m of (-1)^m C(n,m) C(n+m,m) x^m, checked against
    P(n;y) of the recurrence with y = 1 - 2x put in for a few n."""
    for n in (0, 1, 2, 7, 30, 100):
        substituted = [sum(LEGENDRE[n][k] * comb(k, m) * (-2) ** m for k in range(m, n + 1)) for m in range(n + 1)]
        if substituted != [(-1) ** m * comb(n, m) * comb(n + m, m) for m in range(n + 1)]:
            raise SystemExit("shifted Legendre polynomials: the sum fails at n = %d" % n)
    blocks = []
    for n in DEGREES:
        p = [Fraction((-1) ** m * comb(n, m) * comb(n + m, m)) for m in range(n + 1)]
        blocks.append(normalized(p, n) if norm else p)
    return single_column(blocks)


def legendre(norm):
    return single_column(normalized(LEGENDRE[n], n) if norm else LEGENDRE[n] for n in DEGREES)


def w_polynomials(norm):
    """W(n-1;z), n = 1..101: W(-1) = 0, W(0) = 1 and the Legendre recurrence
    (n+1) W(n) = (2n+1) z W(n-1) - n W(n-2), since W(n-1) = P(n) Q(0) - Q(n)."""
    rows = [[Fraction(0)], [Fraction(1)]]
    for n in range(1, 101):
        rows.append(scale(add(scale(times_x(rows[-1]), 2 * n + 1), scale(rows[-2], -n)), Fraction(1, n + 1)))
    blocks = []
    for d in DEGREES:
        w = pad(rows[d + 1], d + 1)
        blocks.append(normalized(w, d) if norm else w)
    return single_column(blocks)


def associated_legendre():
    """p(m,n;x), the m-th derivative of P(n;x), for 0 <= m <= n <= 100."""
    return single_column(derivative(LEGENDRE[n], m) for n in DEGREES for m in range(n + 1))


def ultraspherical_blocks(n, norm):
    """The file of list value n with m = 1: the derivatives of P(n;x) of order
    n, n-1, ..., 1 as the tables of degree 0, 1, ..., n-1."""
    blocks = []
    for d in range(n):
        p = derivative(LEGENDRE[n], n - d)
        blocks.append(normalized(p, d) if norm else p)
    return single_column(blocks)


def tchebycheff(norm):
    """T(n;x) by T(n+1) = 2x T(n) - T(n-1) beside U~(n;x) = T'(n;x)/n."""
    t = [[Fraction(1)], [Fraction(0), Fraction(1)]]
    while len(t) < 101:
        t.append(add(scale(times_x(t[-1]), 2), scale(t[-2], -1)))
    blocks = []
    for n in DEGREES:
        u = pad([c / n for c in derivative(t[n], 1)] if n else [], n + 1)
        tn = t[n]
        if norm:
            tn = normalized(tn, n)
            if n:
                u = pad(normalized(u[:n], n - 1), n + 1)
        blocks.append([[tn[i], u[i]] for i in range(n + 1)])
    return blocks


def spherical_bessel(second_kind):
    """s(z), c(z) with f(n;z) = [s sin z + c cos z] / z^(n+1): f(n+1) =
    (2n+1)/z f(n) - f(n-1) gives S(n+1) = (2n+1) S(n) - z^2 S(n-1) for both."""
    if second_kind:
        s = [[Fraction(0)], [Fraction(0), Fraction(-1)]]
        c = [[Fraction(-1)], [Fraction(-1)]]
    else:
        s = [[Fraction(1)], [Fraction(1)]]
        c = [[Fraction(0)], [Fraction(0), Fraction(-1)]]
    for table in (s, c):
        while len(table) < 101:
            n = len(table) - 1
            table.append(add(scale(table[n], 2 * n + 1), scale(times_x(times_x(table[n - 1])), -1)))
    return [[[a, b] for a, b in zip(pad(s[n], n + 1), pad(c[n], n + 1))] for n in DEGREES]


def neumann_polynomials(count):
    """O(n;t), n = 0..count-1, coefficients of t^-i, i = 0..n+1: O(0) = 1/t and
    O(n;t) = sum over k of n (n-k-1)! / (4 k!) (2/t)^(n-2k+1), n >= 1; checked
    against the recurrence
    (n-1) O(n+1) - 2(n^2-1)/t O(n) + (n+1) O(n-1) = 2n/t sin^2(n pi/2)."""
    o = []
    for n in range(count):
        row = [Fraction(0)] * (n + 2)
        if n == 0:
            row[1] = Fraction(1)
        for k in range(n // 2 + 1) if n else ():
            row[n - 2 * k + 1] = Fraction(n * factorial(n - k - 1) * 2 ** (n - 2 * k + 1), 4 * factorial(k))
        o.append(row)
    for n in range(1, count - 1):
        left = add(add(scale(o[n + 1], n - 1), scale(times_x(o[n]), -2 * (n * n - 1))), scale(o[n - 1], n + 1))
        right = [Fraction(0), Fraction(2 * n if n % 2 else 0)]
        if any(add(left, scale(right, -1))):
            raise SystemExit("Neumann polynomials: recurrence fails at n = %d" % n)
    return o


def neumann():
    """O(n;t), n = 0..99."""
    return single_column(neumann_polynomials(100))


def schlaefli():
    """S(n;t) = (2t O(n;t) - 2 cos^2(n pi/2)) / n, S(0) = 0; coefficients of
    t^-i, i = 0..n."""
    blocks = [[Fraction(0)]]
    for n, o in enumerate(neumann_polynomials(101)[1:], 1):
        s = [2 * c for c in o[1:]]
        s[0] -= 2 if n % 2 == 0 else 0
        blocks.append([c / n for c in s])
    return single_column(blocks)


def lommel(a):
    """R(a,n;z) in powers of 1/z: R(0) = 1, R(1) = 2a/z,
    R(n+1) = 2(a+n)/z R(n) - R(n-1)."""
    a = Fraction(a)
    r = [[Fraction(1)], [Fraction(0), 2 * a]]
    while len(r) < 101:
        n = len(r) - 1
        r.append(add(scale(times_x(r[n]), 2 * (a + n)), scale(r[n - 1], -1)))
    return single_column(pad(r[n], n + 1) for n in DEGREES)


def laguerre(a, norm):
    """L(a,n;x): L(0) = 1, L(1) = 1 + a - x,
    (n+1) L(n+1) = (2n+1+a-x) L(n) - (n+a) L(n-1)."""
    a = Fraction(a)
    rows = [[Fraction(1)], [1 + a, Fraction(-1)]]
    while len(rows) < 101:
        n = len(rows) - 1
        step = add(scale(rows[n], 2 * n + 1 + a), scale(times_x(rows[n]), -1))
        rows.append(scale(add(step, scale(rows[n - 1], -(n + a))), Fraction(1, n + 1)))
    return single_column(normalized(rows[n], n) if norm else rows[n] for n in DEGREES)


def gegenbauer(v, norm):
    """C(v,n;x): C(0) = 1, C(1) = 2v x,
    n C(n) = 2(n+v-1) x C(n-1) - (n+2v-2) C(n-2)."""
    v = Fraction(v)
    rows = [[Fraction(1)], [Fraction(0), 2 * v]]
    while len(rows) < 101:
        n = len(rows)
        rows.append(scale(add(scale(times_x(rows[n - 1]), 2 * (n + v - 1)), scale(rows[n - 2], -(n + 2 * v - 2))),
                          Fraction(1, n)))
    return single_column(normalized(rows[n], n) if norm else rows[n] for n in DEGREES)


def quadrature_references(kind):
    """Nodes and weights of n = 2..30; the Error column is not measured."""
    family = ("legendre", "laguerre", "hermite")[kind]
    blocks = {}
    with open(os.path.join(ROOT, "tests", "data", "pomrel95", "references.txt")) as f:
        for line in f:
            fields = line.split()
            if not fields or fields[0] != family:
                continue
            n, i = int(fields[1]), int(fields[2])
            blocks.setdefault(n, []).append((i, [Fraction(fields[3]), None, Fraction(fields[4])]))
    return [[row for _, row in sorted(blocks[n])] for n in range(2, 31)]


# ---- the measured files: (mode, [dump arguments, ...], expected blocks) -----

def modes(program):
    if program == "wibsor02":
        return [(norm_name(k), [("100", "1", str(k))], lambda k=k: shifted_legendre(k)) for k in (0, 1)]
    if program == "wibsor01":
        return [(norm_name(k), [("100", "1", str(k))], lambda k=k: legendre(k)) for k in (0, 1)]
    if program == "s_vomb00":
        return [(norm_name(k), [("101", "1", str(k))], lambda k=k: w_polynomials(k)) for k in (0, 1)]
    if program == "wibsor03":
        return [("all pairs m <= n", [("100", "1", "0", "m=0")], associated_legendre)]
    if program == "nolquy01":
        return [(norm_name(k), [("100", "1", str(k))], lambda k=k: tchebycheff(k)) for k in (0, 1)]
    if program == "yarnok00":
        return [(("j(n;z)", "n(n;z)")[k], [("100", "1", "0", "second_kind=%d" % k)],
                 lambda k=k: spherical_bessel(k)) for k in (0, 1)]
    if program == "hapsed00":
        return [("", [("99", "1", "0")], neumann)]
    if program == "korpix00":
        return [("", [("100", "1", "0")], schlaefli)]
    if program == "kenvat00":
        return [(norm_name(k), [(str(n), "1", str(k), "m=1") for n in range(1, 102)],
                 lambda k=k: [b for n in range(1, 102) for b in ultraspherical_blocks(n, k)]) for k in (0, 1)]
    if program == "pomrel95":
        return [(("Legendre", "Laguerre", "Hermite")[k], [("30", "1", "0", "kind=%d" % k)],
                 lambda k=k: quadrature_references(k)) for k in (0, 1, 2)]
    if program == "fartuk00":
        return [("a = %s" % a, [("100", "1", "0", "a=%s" % a)], lambda a=a: lommel(float(a)))
                for a in ("-10", "-7.5", "-3", "-0.25", "0.3", "1", "10")]
    if program == "sirmod00":
        return [("a = %s, %s" % (a, norm_name(k)), [("100", "1", str(k), "a=%s" % a)],
                 lambda a=a, k=k: laguerre(float(a), k))
                for a in ("-10", "-3", "-0.5", "0", "0.3", "0.5", "10") for k in (0, 1)]
    if program == "tislor01":
        return [("v = %s, %s" % (v, norm_name(k)), [("100", "1", str(k), "v=%s" % v)],
                 lambda v=v, k=k: gegenbauer(float(v), k))
                for v in ("0.3", "0.5", "1", "2.5", "10") for k in (0, 1)]
    raise SystemExit("no measurement for %s" % program)


PROGRAMS = ["wibsor02", "wibsor01", "s_vomb00", "wibsor03", "nolquy01", "yarnok00", "hapsed00", "korpix00",
            "kenvat00", "pomrel95", "fartuk00", "sirmod00", "tislor01"]


def norm_name(k):
    return "normalized" if k else "plain"


# ---- reading the files and comparing ------------------------------------------

def read_blocks(path):
    """The cells of every table in the file: a block starts at its heading,
    its rows are the lines whose first TAB field is a power or a number."""
    blocks = []
    with open(path, "rb") as f:
        for line in f.read().decode("ascii").split("\r\n"):
            if line.startswith("*** polynomial"):
                blocks.append([])
            elif blocks and "\t" in line and line[:1] == " ":
                fields = line.split("\t")
                if fields[0].strip().replace("^", "").lstrip("XZzt-").isdigit():
                    blocks[-1].append([cell.strip() for cell in fields[1:]])
    return blocks


def parse_cell(text):
    """(sign, mantissa digits as an integer, number of digits, exponent)."""
    mantissa, exponent = text.split("E")
    sign = -1 if mantissa.startswith("-") else 1
    digits = mantissa.lstrip("-").replace(".", "")
    return sign, int(digits), len(digits), int(exponent)


def correctly_rounded(x, digits):
    """(mantissa, exponent, tie) of x != 0 to the given significant digits."""
    size = abs(x)
    e = decimal_exponent(size)
    scaled = size * Fraction(10) ** (digits - 1 - e)
    q, r = divmod(scaled.numerator, scaled.denominator)
    twice = 2 * r
    tie = twice == scaled.denominator
    if twice > scaled.denominator or (tie and q % 2):
        q += 1
    if q == 10 ** digits:
        q //= 10
        e += 1
    return q, e, tie


def boundary_distance(x, digits):
    """Relative distance of x != 0 from the nearest rounding boundary of the
    decimals with the given significant digits (midpoints between neighbours,
    also the one just below a power of ten)."""
    size = abs(x)
    e = decimal_exponent(size)
    unit = Fraction(10) ** (e - digits + 1)
    scaled = size / unit
    fraction = scaled - (scaled.numerator // scaled.denominator)
    nearest = abs(fraction - Fraction(1, 2)) * unit
    nearest = min(nearest, size - (Fraction(10) ** e - unit / 20))
    return nearest / size


def compare(text, exact):
    """None when the cell is the correctly rounded exact value, otherwise
    (deviation in units of the last printed digit, relative distance of the
    exact value from the boundary between printed and correct text)."""
    sign, m, digits, e = parse_cell(text)
    printed = sign * m * Fraction(10) ** (e - digits + 1)
    if exact == 0:
        return None if m == 0 else (float("inf"), float("inf"))
    q, qe, tie = correctly_rounded(exact, digits)
    correct = (1 if exact > 0 else -1) * q * Fraction(10) ** (qe - digits + 1)
    if printed == correct:
        return None
    unit = Fraction(10) ** (e - digits + 1) if m else Fraction(10) ** (qe - digits + 1)
    units = abs(printed - correct) / unit
    if tie and units <= 1:
        return None  # the exact value is a tie: either neighbour is correct
    boundary = (printed + correct) / 2
    return float(units), float(abs(exact - boundary) / abs(exact))


def measure(program, mode, runs, expected, build, verbose):
    tool = os.path.join(build, "tests", program + "_dump")
    blocks = []
    with tempfile.TemporaryDirectory() as work:
        for number, arguments in enumerate(runs):
            out = os.path.join(work, "%d.xls" % number)
            subprocess.run([tool, out, "en"] + list(arguments), check=True)
            blocks.extend(read_blocks(out))
    want = expected()
    if len(blocks) != len(want):
        raise SystemExit("%s %s: %d tables, expected %d" % (program, mode, len(blocks), len(want)))
    cells = nonzero = ties = close = 0
    nearest = None
    misses = []
    for b, (got, exact) in enumerate(zip(blocks, want)):
        if len(got) != len(exact):
            raise SystemExit("%s %s: table %d has %d rows, expected %d" % (program, mode, b, len(got), len(exact)))
        for r, (row, values) in enumerate(zip(got, exact)):
            for column, (text, value) in enumerate(zip(row, values)):
                if value is None:
                    continue
                cells += 1
                if value != 0:
                    nonzero += 1
                    distance = boundary_distance(value, parse_cell(text)[2])
                    if distance == 0:
                        ties += 1
                    else:
                        close += distance < NEAR
                        nearest = distance if nearest is None else min(nearest, distance)
                result = compare(text, value)
                if result:
                    misses.append((b, r, column, text, value, result))
    summary = "%-9s %-22s %6d cells, %6d nonzero (%2d ties, %3d within %.0e of a boundary, nearest %.1e): %d off" % (
        program, mode, cells, nonzero, ties, close, NEAR, nearest, len(misses))
    if misses:
        summary += ", at most %g unit(s) of the last digit, boundary distance at most %.1e" % (
            max(m[5][0] for m in misses), max(m[5][1] for m in misses))
    print(summary, flush=True)
    if verbose:
        for b, r, column, text, value, (units, distance) in misses:
            print("    table %d row %d column %d: printed %s, exact %.17e (%g unit(s), boundary distance %.1e)" % (
                b, r, column, text, value, units, distance))
    return cells, nonzero, misses


def wide_dump_tools(build, programs, work):
    """Relinks the programs' dump tools, in work, with the cell format widened
    to 22 significant digits, from the native build's objects and link lines."""
    source = open(os.path.join(ROOT, "shell", "result_file.cpp")).read()
    if source.count('"%17.8LE"') != 1:
        raise SystemExit("result_file.cpp: the cell format is not where expected")
    with open(os.path.join(work, "result_file_wide.cpp"), "w") as f:
        f.write(source.replace('"%17.8LE"', '"%.21LE"'))
    flags = {}
    with open(os.path.join(build, "CMakeFiles", "shell_core.dir", "flags.make")) as f:
        for line in f:
            if " = " in line:
                key, value = line.split(" = ", 1)
                flags[key] = value.split()
    wide_object = os.path.join(work, "result_file_wide.o")
    subprocess.run(["c++"] + flags["CXX_FLAGS"] + flags["CXX_INCLUDES"] + ["-c", os.path.join(work, "result_file_wide.cpp"),
                    "-o", wide_object], check=True)
    for program in programs:
        with open(os.path.join(build, "tests", "CMakeFiles", program + "_dump.dir", "link.txt")) as f:
            words = f.read().split()
        words = [wide_object if w.endswith("shell/result_file.cpp.o") else w for w in words]
        words[words.index("-o") + 1] = os.path.join(work, program + "_dump")
        subprocess.run(words, cwd=os.path.join(build, "tests"), check=True)


def measure_deviation(program, mode, runs, expected, tools):
    """The largest relative deviation of the program's own values (printed to
    22 digits) from the exact ones."""
    blocks = []
    with tempfile.TemporaryDirectory() as work:
        for number, arguments in enumerate(runs):
            out = os.path.join(work, "%d.xls" % number)
            subprocess.run([os.path.join(tools, program + "_dump"), out, "en"] + list(arguments), check=True)
            blocks.extend(read_blocks(out))
    largest, where, nonzero_for_zero = 0.0, None, 0
    for b, (got, exact) in enumerate(zip(blocks, expected())):
        for r, (row, values) in enumerate(zip(got, exact)):
            for text, value in zip(row, values):
                if value is None:
                    continue
                if value == 0:
                    nonzero_for_zero += Fraction(text) != 0
                    continue
                deviation = abs(float(Fraction(text) / value - 1))
                if deviation > largest:
                    largest, where = deviation, (b, r)
    print("%-9s %-22s largest relative deviation %.1e (table %d row %d)%s" % (
        program, mode, largest, where[0], where[1],
        ", %d exact zeros not zero" % nonzero_for_zero if nonzero_for_zero else ""), flush=True)
    return largest


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("programs", nargs="*", metavar="PROGRAM")
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "native"))
    parser.add_argument("-v", "--verbose", action="store_true")
    parser.add_argument("--internal", action="store_true")
    options = parser.parse_args()
    programs = options.programs or PROGRAMS
    if options.internal:
        programs = [p for p in programs if p != "pomrel95"]
        with tempfile.TemporaryDirectory() as tools:
            wide_dump_tools(options.build, programs, tools)
            for program in programs:
                largest = max(measure_deviation(program, mode, runs, expected, tools)
                              for mode, runs, expected in modes(program))
                print("%-9s largest relative deviation %.1e" % (program, largest), flush=True)
        return
    for program in programs:
        cells = nonzero = missed = 0
        worst = 0.0
        for mode, runs, expected in modes(program):
            c, z, m = measure(program, mode, runs, expected, options.build, options.verbose)
            cells, nonzero, missed = cells + c, nonzero + z, missed + len(m)
            worst = max([worst] + [x[5][1] for x in m])
        print("%-9s total: %d of %d nonzero cells not correctly rounded (%d cells in all)%s" % (
            program, missed, nonzero, cells,
            ", each within %.1e of a rounding boundary" % worst if missed else ""), flush=True)


if __name__ == "__main__":
    sys.exit(main())
