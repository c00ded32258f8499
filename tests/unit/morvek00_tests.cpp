// The Jacobi polynomials G(a,b,n;x) = sum (-1)^m C(n,m) R(m) x^m and their
// expansion G(a,b,n;(1-x)/2).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "calc_state.h"
#include "file_capture.h"
#include "jacobi.h"
#include "log_sum_tolerance.h"
#include "result_file.h"

typedef std::vector<long double> Polynomial;

static Polynomial compute(double a, double b, int n, int expanded, int with_normalization)
{
    expand_option = expanded;
    normalize = with_normalization;
    compute_table(a, b, n);
    expand_option = 0;
    normalize = 0;
    return Polynomial(coefficients, coefficients + n + 1);
}

// The polynomial's value at x and the sum of its terms' magnitudes.
static long double evaluate(const Polynomial &p, long double x, long double *magnitude)
{
    long double value = 0, power = 1;
    *magnitude = 0;
    for (long double c : p) {
        value += c * power;
        *magnitude += fabsl(c * power);
        power *= x;
    }
    return value;
}

// For the expansion: the sum over m of |C(n,m) R(m)| C(m,j) / 2^m, the size of
// the terms that cancel in the coefficient of x^j.
static long double expansion_magnitude(double a, double b, int n, int j)
{
    long double sum = 0, binomial_nm = 1;
    for (int m = 0; m <= n; m++) {
        long double binomial_mj = 1;
        for (int i = 1; i <= j; i++)
            binomial_mj = binomial_mj * (m - i + 1) / i;
        if (m >= j)
            sum += binomial_nm * fabsl(jacobi_pochhammer_ratio(a, b, n, m)) * binomial_mj / powl(2, m);
        binomial_nm = binomial_nm * (n - m) / (m + 1);
    }
    return sum;
}

// Three-term recurrences: P_(n+1) = (alpha_n x P_n - beta_n P_(n-1)) / gamma_n.
static std::vector<Polynomial> by_recurrence(int last, Polynomial p1, long double (*alpha)(int),
                                             long double (*beta)(int), long double (*gamma)(int))
{
    std::vector<Polynomial> p = {Polynomial{1}, p1};
    for (int n = 1; n < last; n++) {
        Polynomial next(n + 2, 0.0L);
        for (int i = 0; i <= n; i++)
            next[i + 1] += alpha(n) * p[n][i];
        for (int i = 0; i < n; i++)
            next[i] -= beta(n) * p[n - 1][i];
        for (long double &c : next)
            c /= gamma(n);
        p.push_back(next);
    }
    return p;
}

static long double legendre_alpha(int n) { return 2 * n + 1; }
static long double legendre_beta(int n) { return n; }
static long double legendre_gamma(int n) { return n + 1; }
static long double chebyshev_alpha(int) { return 2; }
static long double one(int) { return 1; }

TEST(Jacobi, SmallDegreesByHand)
{
    Polynomial p = compute(0.7, -2.5, 0, 0, 0);
    EXPECT_EQ(Polynomial{1.0L}, p);
    p = compute(0.7, -2.5, 0, 1, 1);
    EXPECT_EQ(Polynomial{1.0L}, p);
    p = compute(0.5, 0.25, 1, 0, 0);  // 1 - (1 + a)/b x
    EXPECT_EQ(1.0L, p[0]);
    EXPECT_EQ(-6.0L, p[1]);
    p = compute(0.5, 0.25, 2, 0, 0);  // 1 - 2(2 + a)/b x + (2 + a)(3 + a)/(b(b + 1)) x^2
    EXPECT_EQ(1.0L, p[0]);
    EXPECT_EQ(-20.0L, p[1]);
    EXPECT_NEAR(28.0L, p[2], 1e-17L);
    p = compute(0.5, 0.25, 2, 1, 0);  // 1 - 20 (1-x)/2 + 28 ((1-x)/2)^2 = -2 - 4x + 7x^2
    EXPECT_NEAR(-2.0L, p[0], 1e-17L);
    EXPECT_NEAR(-4.0L, p[1], 1e-17L);
    EXPECT_NEAR(7.0L, p[2], 1e-17L);
    p = compute(0.5, 0.25, 2, 0, 1);
    EXPECT_NEAR(1.0L / 28, p[0], 1e-19L);
    EXPECT_NEAR(-20.0L / 28, p[1], 1e-18L);
    EXPECT_EQ(1.0L, p[2]);
    p = compute(0.5, 0.25, 2, 1, 1);
    EXPECT_NEAR(-2.0L / 7, p[0], 1e-18L);
    EXPECT_NEAR(-4.0L / 7, p[1], 1e-18L);
    EXPECT_EQ(1.0L, p[2]);
}

TEST(Jacobi, RatioOfRisingFactorials)
{
    EXPECT_EQ(1.0L, jacobi_pochhammer_ratio(3.5, -0.5, 7, 0));
    // (n + a)(n + a + 1)(n + a + 2) / (b (b + 1)(b + 2)) = 4.5 * 5.5 * 6.5 / (-0.5 * 0.5 * 1.5)
    EXPECT_NEAR(4.5L * 5.5L * 6.5L / (-0.5L * 0.5L * 1.5L), jacobi_pochhammer_ratio(1.5, -0.5, 3, 3), 1e-15L);
    EXPECT_EQ(0.0L, jacobi_pochhammer_ratio(-4, 1, 2, 3));  // the factor n + a + 2 = 0
}

// a = b = 1: G(1,1,n;x) = P(n;1-2x), the shifted Legendre polynomial, whose
// coefficients are the integers (-1)^m C(n,m) C(n+m,m).
TEST(Jacobi, EqualParametersOneGiveShiftedLegendre)
{
    for (int n = 0; n <= 100; n++) {
        Polynomial p = compute(1, 1, n, 0, 0);
        long double c_nm = 1, c_n_plus_m_m = 1;
        for (int m = 0; m <= n; m++) {
            long double exact = (m % 2 ? -1 : 1) * c_nm * c_n_plus_m_m;
            EXPECT_NEAR(1.0L, p[m] / exact, log_sum_tolerance(n, m) + 2e-19L * (m + 1)) << "n=" << n << " m=" << m;
            c_nm = c_nm * (n - m) / (m + 1);
            c_n_plus_m_m = c_n_plus_m_m * (n + m + 1) / (m + 1);
        }
    }
}

// With b = (a+1)/2 the expansion is a Jacobi polynomial with equal parameters:
// a = 1, b = 1 gives the Legendre P(n;x), a = 0, b = 1/2 the Tchebycheff T(n;x)
// and a = 2, b = 3/2 the polynomial U(n;x)/(n+1). The powers of the other
// parity are exactly 0; the others agree within the rounding of the
// cancelling terms.
static void expect_expansion_is(double a, double b, const std::vector<Polynomial> &reference)
{
    for (int n = 0; n < (int)reference.size(); n++) {
        Polynomial p = compute(a, b, n, 1, 0);
        for (int j = 0; j <= n; j++) {
            if ((n - j) % 2 == 1) {
                EXPECT_EQ(0.0L, p[j]) << "n=" << n << " j=" << j;
                continue;
            }
            long double bound = expansion_magnitude(a, b, n, j) * (log_sum_tolerance(n, n / 2) + 1e-18L * n);
            EXPECT_NEAR(reference[n][j], p[j], bound) << "a=" << a << " n=" << n << " j=" << j;
        }
    }
}

TEST(Jacobi, ExpansionGivesLegendreAndTchebycheffPolynomials)
{
    expect_expansion_is(1, 1, by_recurrence(100, Polynomial{0, 1}, legendre_alpha, legendre_beta, legendre_gamma));
    expect_expansion_is(0, 0.5, by_recurrence(100, Polynomial{0, 1}, chebyshev_alpha, one, one));
    std::vector<Polynomial> u = by_recurrence(100, Polynomial{0, 2}, chebyshev_alpha, one, one);
    for (int n = 0; n <= 100; n++)
        for (long double &c : u[n])
            c /= n + 1;
    expect_expansion_is(2, 1.5, u);
}

// Every degree: the expansion at x equals the plain polynomial at (1-x)/2.
TEST(Jacobi, ExpansionIsThePlainPolynomialAtOneMinusXHalf)
{
    const double parameters[][2] = {{0.2, 0.6}, {-3.7, 2.2}, {9.5, -0.5}, {-10, 10}};
    const long double points[] = {-1.0L, -0.3L, 0.45L, 1.0L};
    for (const auto &ab : parameters)
        for (int n = 0; n <= 100; n += 3) {
            Polynomial plain = compute(ab[0], ab[1], n, 0, 0);
            Polynomial expanded = compute(ab[0], ab[1], n, 1, 0);
            for (long double x : points) {
                long double plain_size, expanded_size;
                long double y = evaluate(plain, (1 - x) / 2, &plain_size);
                long double z = evaluate(expanded, x, &expanded_size);
                long double bound = 0;
                for (int j = 0; j <= n; j++)
                    bound += expansion_magnitude(ab[0], ab[1], n, j) * powl(fabsl(x), j);
                EXPECT_NEAR(y, z, (bound + plain_size) * (log_sum_tolerance(n, n / 2) + 1e-18L * n))
                    << "a=" << ab[0] << " b=" << ab[1] << " n=" << n << " x=" << (double)x;
            }
        }
}

// Exact coefficients of G(a,b,n;(1-x)/2) for the doubles a and b, written by
// tests/tools/make_morvek00_references.py: key (a, b, n), value c_0..c_n.
typedef std::map<std::tuple<double, double, int>, std::vector<long double>> ReferenceTables;

static ReferenceTables read_references()
{
    ReferenceTables tables;
    std::ifstream in(MORVEK00_REFERENCES);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string a, b, value;
        int n, j;
        fields >> a >> b >> n >> j >> value;
        std::vector<long double> &table = tables[std::make_tuple(atof(a.c_str()), atof(b.c_str()), n)];
        EXPECT_EQ((size_t)j, table.size()) << line;
        table.push_back(strtold(value.c_str(), nullptr));
    }
    return tables;
}

// The printed cell read back as a number.
static long double printed(long double value)
{
    char cell[CELL_BUF_SIZE];
    format_coefficient(cell, value);
    return strtold(cell, nullptr);
}

// Every expanded coefficient lies within EXPANSION_BOUND times the largest
// exact coefficient of its polynomial (the worst seen over the whole parameter
// range is 5e-18). So every printed cell is the exact value rounded to 9
// digits, except where the exact value lies within that bound of a rounding
// boundary (in particular a coefficient far smaller than the largest): there
// it is the rounding of some value within the bound.
static const long double EXPANSION_BOUND = 1e-17L;

TEST(Jacobi, ExpansionAgreesWithExactCoefficientsInEveryPrintedDigit)
{
    ReferenceTables tables = read_references();
    ASSERT_GE(tables.size(), 400u);
    long double worst = 0;
    for (const auto &entry : tables) {
        double a = std::get<0>(entry.first), b = std::get<1>(entry.first);
        int n = std::get<2>(entry.first);
        const std::vector<long double> &exact = entry.second;
        ASSERT_EQ((size_t)n + 1, exact.size());
        Polynomial p = compute(a, b, n, 1, 0);
        long double largest = 0;
        for (long double c : exact)
            largest = fmaxl(largest, fabsl(c));
        long double allowed = EXPANSION_BOUND * largest;
        for (int j = 0; j <= n; j++) {
            worst = fmaxl(worst, fabsl(p[j] - exact[j]) / largest);
            EXPECT_LE(fabsl(p[j] - exact[j]), allowed) << "a=" << a << " b=" << b << " n=" << n << " j=" << j;
            long double shown = printed(p[j]);
            EXPECT_LE(printed(exact[j] - allowed), shown) << "a=" << a << " b=" << b << " n=" << n << " j=" << j;
            EXPECT_GE(printed(exact[j] + allowed), shown) << "a=" << a << " b=" << b << " n=" << n << " j=" << j;
        }
    }
    printf("largest error relative to the largest coefficient: %.3Lg\n", worst);
}

TEST(Jacobi, OtherParityIsZeroedOnlyWhenBIsExactlyHalfOfAPlusOne)
{
    Polynomial p = compute(0.2, 0.6, 5, 1, 0);  // 0.2 * 0.5 + 0.5 differs from the double 0.6
    for (int j = 0; j <= 4; j += 2)
        EXPECT_NE(0.0L, p[j]) << j;
    p = compute(3, 2, 5, 1, 0);
    for (int j = 0; j <= 4; j += 2)
        EXPECT_EQ(0.0L, p[j]) << j;
    p = compute(-0.5, 0.25, 6, 1, 0);
    for (int j = 1; j <= 5; j += 2)
        EXPECT_EQ(0.0L, p[j]) << j;
    p = compute(3, 2, 5, 0, 0);  // never in the plain form
    EXPECT_NE(0.0L, p[0]);
}

TEST(Jacobi, NormalizationDividesByTheLeadingCoefficient)
{
    for (int expanded = 0; expanded <= 1; expanded++)
        for (int n = 0; n <= 100; n += 7) {
            Polynomial p = compute(-2.3, 4.1, n, expanded, 0);
            Polynomial q = compute(-2.3, 4.1, n, expanded, 1);
            EXPECT_EQ(1.0L, q[n]);
            for (int i = 0; i < n; i++)
                EXPECT_EQ(p[i] / p[n], q[i]) << "n=" << n << " i=" << i;
        }
}

// The leading coefficient of degree k holds the factors k + a + i, i < k: it
// is 0 for the integers a with -(2k-1) <= a <= -k, and only for them.
TEST(Jacobi, VanishingLeadingCoefficientIsFoundBeforeAnyDivision)
{
    for (int a = -10; a <= 10; a++)
        for (int k = 0; k <= 100; k++) {
            int vanishes = a <= -k && a >= -(2 * k - 1);
            EXPECT_EQ(vanishes ? k : -1, first_degree_without_leading_term(a, 0.5, k, 0)) << "a=" << a << " k=" << k;
        }
    EXPECT_EQ(1, first_degree_without_leading_term(-1, 1, 1, 0));
    EXPECT_EQ(1, first_degree_without_leading_term(-1, 1, 30, 1));
    EXPECT_EQ(4, first_degree_without_leading_term(-7, 1, 100, 1));  // k = 4, 5, 6, 7
    EXPECT_EQ(-1, first_degree_without_leading_term(-1, 1, 30, 0));
    EXPECT_EQ(-1, first_degree_without_leading_term(-1.5, 1, 100, 1));
    EXPECT_EQ(-1, first_degree_without_leading_term(10, -0.5, 100, 1));

    // compute_table itself never divides by the zero: the table stays finite
    for (int expanded = 0; expanded <= 1; expanded++) {
        Polynomial p = compute(-1, 1, 1, expanded, 1);
        for (long double c : p)
            EXPECT_TRUE(std::isfinite(c));
        EXPECT_EQ(0.0L, p[1]);
    }
}

static std::string write_file(int n, int all, int with_normalization, int expanded, int japanese)
{
    is_japanese = japanese;
    normalize = with_normalization;
    expand_option = expanded;
    std::string bytes = capture_file([&](FILE *f) { write_tables(f, n, all); });
    is_japanese = 0;
    normalize = 0;
    expand_option = 0;
    return bytes;
}

TEST(Jacobi, FileLayout)
{
    param_a = 0.5;
    param_b = 0.25;
    EXPECT_EQ("JACOBI POLYNOMIAL\r\n\r\na = 0.5\r\nb = 0.25\r\n"
              "\r\n*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n"
              " X^0\t   1.00000000E+00\r\n X^1\t  -6.00000000E+00\r\n",
              write_file(1, 0, 0, 0, 0));
    param_a = -3;
    param_b = 2;
    std::string both = write_file(1, 1, 1, 1, 0);
    EXPECT_EQ(0u, both.find("JACOBI POLYNOMIAL\r\n\r\na = -3\r\nb = 2\r\n"
                            "Note: Coefficients are normalized.\r\n"
                            "Note: The polynomial is expanded by replacing x with (1-x)/2.\r\n"
                            "\r\n*** polynomial of degree 0 ***\r\n"));
    // degree 1: G = 1 + x, expanded 1 + (1-x)/2 = 1.5 - 0.5x, normalized x - 3
    EXPECT_NE(std::string::npos, both.find("*** polynomial of degree 1 ***\r\nTerm\tCoef.\r\n"
                                           " X^0\t  -3.00000000E+00\r\n X^1\t   1.00000000E+00\r\n"));
    std::string japanese = write_file(0, 0, 1, 1, 1);
    EXPECT_EQ("ヤコビ多項式\r\n\r\na = -3\r\nb = 2\r\n注：係数は基準化されています.\r\n"
              "注：x を (1-x)/2 に置換して展開した多項式です.\r\n"
              "\r\n*** 0次の多項式 ***\r\n項\t係数\r\n X^0\t   1.00000000E+00\r\n",
              japanese);
}
