#include "root_finder.h"

#include "family_polynomials.h"

long double family_coefficients[QUADRATURE_SLOTS];
long double root_re[QUADRATURE_SLOTS];
long double root_im[QUADRATURE_SLOTS];
double tolerance_scale = 1.0;

static const int ROOT_STEP_LIMIT = 1000;     // Newton steps allowed for one root
static const int ROOTS_NOT_CONVERGED = 998;  // no root found at all

// x = 0 gives 0 and x < 0 gives -1. Otherwise g <- (g + x/g) / 2 from
// g = max(x, 1): the iterates fall monotonically towards sqrt(x); the first
// one that does not fall is returned.
long double heron_sqrt(long double x)
{
    if (x == 0)
        return 0.0L;
    if (x < 0)
        return -1.0L;
    long double g = x > 1 ? x : 1.0L;
    long double previous;
    do {
        previous = g;
        g = (previous + x / previous) * 0.5L;
    } while (g < previous);
    return g;
}

int check_and_scale_coefficients(int m)
{
    long double largest = 1e-300L;
    for (int i = 0; i <= m; i++) {
        long double size = root_re[i] < 0 ? -root_re[i] : root_re[i];
        if (size > largest)
            largest = size;
    }
    if (!(largest > 1e-300L))
        return 1;
    for (int i = 0; i <= m; i++)
        root_re[i] = root_re[i] / largest;
    for (int i = 0; i <= m; i++)
        if (root_re[i] > -1e-300L && root_re[i] < 1e-300L)
            root_re[i] = 0.0L;
    long double smallest = 1e300L;
    for (int i = 0; i <= m; i++) {
        long double size = root_re[i] < 0 ? -root_re[i] : root_re[i];
        if (size != 0 && size < smallest)
            smallest = size;
    }
    if (!(smallest < 1e300L))
        return 1;
    if (smallest > 1)
        smallest = 1.0L;
    double scale = (double)(1.0L / smallest);
    tolerance_scale = scale <= 1e7 ? scale : 1e7;
    return 0;
}

// Complex numbers in extended precision: a pair of real and imaginary parts.
struct Complex {
    long double re, im;
};

static Complex coefficient(int i)
{
    Complex c = {root_re[i], root_im[i]};
    return c;
}

static void store(int i, Complex z)
{
    root_re[i] = z.re;
    root_im[i] = z.im;
}

static Complex add(Complex a, Complex b)
{
    Complex r = {a.re + b.re, a.im + b.im};
    return r;
}

static Complex subtract(Complex a, Complex b)
{
    Complex r = {a.re - b.re, a.im - b.im};
    return r;
}

static Complex multiply(Complex a, Complex b)
{
    Complex r = {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
    return r;
}

static Complex scale(Complex a, long double s)
{
    Complex r = {a.re * s, a.im * s};
    return r;
}

static long double squared_modulus(Complex a)
{
    return a.re * a.re + a.im * a.im;
}

// a / b = a conj(b) / |b|^2; b must not be 0.
static Complex divide(Complex a, Complex b)
{
    long double d = squared_modulus(b);
    Complex conjugate = {b.re, -b.im};
    Complex r = multiply(a, conjugate);
    r.re = r.re / d;
    r.im = r.im / d;
    return r;
}

static long double modulus(Complex a)
{
    return heron_sqrt(squared_modulus(a));
}

// Degree 2, a z^2 + b z + c with a = 1 after the division by the leading
// coefficient: z = (-b -+ sqrt(b^2 - 4ac)) / 2a, the square root of
// D = re D + i im D taken as u + iv with u = sqrt((|D| + re D)/2) and
// v = sign(im D) sqrt((|D| - re D)/2).
static void solve_quadratic()
{
    Complex lead = coefficient(0);
    Complex a = divide(coefficient(0), lead);
    Complex b = divide(coefficient(1), lead);
    Complex c = divide(coefficient(2), lead);
    Complex d;
    d.re = b.re * b.re - b.im * b.im - 4 * (a.re * c.re - a.im * c.im);
    d.im = 2 * b.re * b.im - 4 * c.re * a.im - 4 * c.im * a.re;
    long double r = heron_sqrt(d.re * d.re + d.im * d.im);
    long double half_sum = (d.re + r) / 2;
    long double half_difference = (r - d.re) / 2;
    Complex root_of_d;
    root_of_d.re = heron_sqrt(half_sum > 0 ? half_sum : 0.0L);
    root_of_d.im = heron_sqrt(half_difference > 0 ? half_difference : 0.0L);
    if (d.im < 0)
        root_of_d.im = -root_of_d.im;
    Complex minus_b = {-b.re, -b.im};
    Complex two_a = scale(a, 2.0L);
    store(1, divide(add(minus_b, root_of_d), two_a));
    store(0, divide(subtract(minus_b, root_of_d), two_a));
}

// p(z) and p'(z) of the monic working polynomial c[0..d] by Horner's rule.
static void evaluate_working_polynomial(int d, Complex z, Complex *p, Complex *derivative)
{
    Complex value = coefficient(0);
    for (int i = 1; i <= d; i++)
        value = add(multiply(value, z), coefficient(i));
    Complex slope = scale(coefficient(0), (long double)d);
    for (int i = 1; i <= d - 1; i++)
        slope = add(multiply(slope, z), scale(coefficient(i), (long double)(d - i)));
    *p = value;
    *derivative = slope;
}

// The largest coefficient modulus of c[0..d].
static long double largest_modulus(int d)
{
    long double largest = modulus(coefficient(0));
    for (int i = 1; i <= d; i++) {
        long double size = modulus(coefficient(i));
        if (size > largest)
            largest = size;
    }
    return largest;
}

// One root of c[0..d] by Newton steps z <- z - p(z)/p'(z) from z = -i,
// accepted when |dz| <= tol * (largest coefficient modulus). Returns 1 with
// the root in *root, 0 when 1000 steps are not enough or p'(z) vanishes.
static int newton_root(int d, long double tol, Complex *root)
{
    long double largest = largest_modulus(d);
    Complex z = {0.0L, -1.0L};
    for (int step = 1; step <= ROOT_STEP_LIMIT; step++) {
        Complex p, derivative;
        evaluate_working_polynomial(d, z, &p, &derivative);
        if (squared_modulus(derivative) == 0)
            return 0;
        Complex dz = divide(p, derivative);
        z = subtract(z, dz);
        if (modulus(dz) / largest <= tol) {
            *root = z;
            return 1;
        }
    }
    return 0;
}

// Synthetic division of c[0..d+1] by (z - root): the quotient in c[0..d].
static void deflate(int d, Complex root)
{
    Complex t = {0.0L, 0.0L};
    for (int i = 0; i <= d; i++) {
        t = add(coefficient(i), multiply(root, t));
        store(i, t);
    }
}

static void reverse_coefficients(int m)
{
    for (int i = 0, j = m; i < j; i++, j--) {
        Complex a = coefficient(i);
        store(i, coefficient(j));
        store(j, a);
    }
}

// Degree 3 and more: the roots one by one from the monic polynomial (its
// coefficients reversed first when the constant term outweighs the leading
// one, the roots inverted at the end), each deflated out before the next.
static int find_roots_by_deflation(int m, long double tol)
{
    int reversed = squared_modulus(coefficient(0)) < squared_modulus(coefficient(m));
    if (reversed)
        reverse_coefficients(m);
    Complex lead = coefficient(0);
    for (int i = 0; i <= m; i++)
        store(i, divide(coefficient(i), lead));

    int found = 0;
    for (int d = m; d > 1;) {
        Complex root;
        if (!newton_root(d, tol, &root))
            return found == 0 ? ROOTS_NOT_CONVERGED : found;
        store(d, root);
        d = d - 1;
        found = found + 1;
        deflate(d, root);
    }
    Complex minus_c1 = {-root_re[1], -root_im[1]};
    store(1, divide(minus_c1, coefficient(0)));
    for (int i = 1; i <= m; i++)
        store(i - 1, coefficient(i));
    if (reversed)
        for (int i = 0; i < m; i++) {
            Complex z = coefficient(i);
            long double d = squared_modulus(z);
            Complex inverse = {z.re / d, -z.im / d};
            store(i, inverse);
        }
    return 0;
}

int find_complex_roots(int m)
{
    long double tol = (long double)ROOT_EPSILON / tolerance_scale;
    if (m < 1 || squared_modulus(coefficient(0)) == 0)
        return ROOTS_NOT_CONVERGED;
    if (m == 1) {
        Complex minus_c1 = {-root_re[1], -root_im[1]};
        store(0, divide(minus_c1, coefficient(0)));
        return 0;
    }
    if (m == 2) {
        solve_quadratic();
        return 0;
    }
    return find_roots_by_deflation(m, tol);
}

static void clear_roots()
{
    for (int i = 0; i < QUADRATURE_SLOTS; i++) {
        root_re[i] = 0.0L;
        root_im[i] = 0.0L;
    }
}

// Index of the largest value of values[0..count-1] not yet taken (taken ones
// hold -2e300); it is marked taken.
static int take_largest(long double *values, int count)
{
    long double largest = -1e300L;
    int index = 0;
    for (int i = 0; i < count; i++)
        if (values[i] > largest) {
            largest = values[i];
            index = i;
        }
    values[index] = -2e300L;
    return index;
}

// Laguerre: the m = n real parts, ascending, into root_re[0..n-1].
static void place_laguerre_zeros(const long double *real_parts, int n)
{
    long double values[QUADRATURE_SLOTS];
    for (int i = 0; i < n; i++)
        values[i] = real_parts[i];
    for (int slot = n - 1; slot >= 0; slot--)
        root_re[slot] = real_parts[take_largest(values, n)];
}

// Legendre and Hermite: the m roots y of the polynomial in y = x^2 give the
// zeros +-sqrt(y), and 0 for odd n; ascending into root_re[0..n-1].
static void place_symmetric_zeros(const long double *real_parts, int m, int n)
{
    long double values[QUADRATURE_SLOTS];
    for (int i = 0; i < m; i++)
        values[i] = real_parts[i];
    int h = n / 2;
    int first_positive = n % 2 == 0 ? h : h + 1;
    for (int slot = n - 1; slot >= first_positive; slot--)
        root_re[slot] = heron_sqrt(real_parts[take_largest(values, m)]);
    if (n % 2 == 1)
        root_re[h] = 0.0L;
    for (int k = 0; k < h; k++)
        root_re[h - 1 - k] = -root_re[first_positive + k];
}

int find_zeros_by_root_finder(int n)
{
    clear_roots();
    build_family_coefficients(polynomial_kind, n);
    int m;
    if (polynomial_kind == KIND_LAGUERRE) {
        for (int i = 0; i <= n; i++)
            root_re[i] = family_coefficients[i];
        m = n;
    } else {
        for (int k = 0; 2 * k <= n; k++)
            root_re[k] = family_coefficients[2 * k];
        m = n / 2;
    }
    if (check_and_scale_coefficients(m) == 1)
        return -1;
    int r = find_complex_roots(m);
    if (r == ROOTS_NOT_CONVERGED)
        return -2;
    if (r != 0)
        return -4;
    long double real_parts[QUADRATURE_SLOTS];
    for (int i = 0; i < m; i++)
        real_parts[i] = root_re[i];
    clear_roots();
    if (polynomial_kind == KIND_LAGUERRE)
        place_laguerre_zeros(real_parts, n);
    else
        place_symmetric_zeros(real_parts, m, n);
    return n;
}
