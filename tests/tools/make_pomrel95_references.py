#!/usr/bin/env python3
"""Writes the reference nodes and weights of the Gauss-Legendre, Gauss-Laguerre
and Gauss-Hermite rules of degree n = 2..30 for the quadrature unit tests.

usage: make_pomrel95_references.py [OUT]   (default tests/data/pomrel95/references.txt)

Needs mpmath (Debian: apt-get install python3-mpmath). The rules come from
mpmath's gauss_quadrature, which takes the eigenvalues and eigenvectors of the
symmetric tridiagonal Jacobi matrix of each family (the Golub-Welsch method),
at 60 significant digits. Each node and weight is then checked against a second,
independent evaluation: the node must be a zero of the family polynomial (mpmath's
own legendre, laguerre and hermite functions) and the weight must agree with the
classical closed formulas
    Legendre  w = 2 / ((1 - x^2) P_n'(x)^2)
    Laguerre  w = x / ((n+1)^2 L_(n+1)(x)^2)
    Hermite   w = 2^(n-1) n! sqrt(pi) / (n^2 H_(n-1)(x)^2)
to 40 digits. The file keeps 25 significant digits of each value.
"""
import os
import sys

from mpmath import mp, mpf

mp.dps = 60
FAMILIES = ("legendre", "laguerre", "hermite")


def closed_form_check(family, n, x, w):
    if family == "legendre":
        value = mp.legendre(n, x)
        slope = mp.diff(lambda t: mp.legendre(n, t), x)
        weight = 2 / ((1 - x * x) * slope ** 2)
        scale = 1
    elif family == "laguerre":
        value = mp.laguerre(n, 0, x)
        weight = x / ((n + 1) ** 2 * mp.laguerre(n + 1, 0, x) ** 2)
        scale = mp.laguerre(n - 1, 0, x)
    else:
        value = mp.hermite(n, x)
        weight = 2 ** (n - 1) * mp.factorial(n) * mp.sqrt(mp.pi) / (n ** 2 * mp.hermite(n - 1, x) ** 2)
        scale = mp.hermite(n - 1, x)
    if family == "legendre":
        scale = mp.legendre(n - 1, x)
    if abs(value) > abs(scale) * mpf(10) ** -40:
        raise SystemExit("%s n=%d: %s is no zero (p = %s)" % (family, n, x, value))
    if abs(weight - w) > abs(w) * mpf(10) ** -40:
        raise SystemExit("%s n=%d: weight %s against %s" % (family, n, w, weight))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "data", "pomrel95", "references.txt")
    lines = ["# Gauss quadrature rules, made by tests/tools/make_pomrel95_references.py",
             "# family n i x[i] w[i]   (i = 1..n, nodes ascending, 25 significant digits)"]
    for family in FAMILIES:
        for n in range(2, 31):
            nodes, weights = mp.gauss_quadrature(n, family)
            pairs = sorted(zip(nodes, weights), key=lambda pair: pair[0])
            for i, (x, w) in enumerate(pairs, 1):
                if family != "laguerre" and abs(x) < mpf(10) ** -50:
                    x = mpf(0)
                if x != 0:
                    x = mp.findroot(lambda t: {"legendre": lambda: mp.legendre(n, t),
                                               "laguerre": lambda: mp.laguerre(n, 0, t),
                                               "hermite": lambda: mp.hermite(n, t)}[family](), x)
                closed_form_check(family, n, x, w)
                lines.append("%s %d %d %s %s" % (family, n, i, mp.nstr(x, 25, min_fixed=1, max_fixed=0),
                                                 mp.nstr(w, 25, min_fixed=1, max_fixed=0)))
    with open(out, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
