// Zeros, error estimates and weights of the three Gauss rules, against
// reference rules computed outside the program (data/pomrel95, made with
// mpmath at 60 digits by tools/make_pomrel95_references.py) and against the
// identities every rule must satisfy.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "quadrature.h"

namespace {

struct ReferenceRule {
    std::vector<long double> x, w;
};

const char *const FAMILY_NAMES[3] = {"legendre", "laguerre", "hermite"};

// rules[kind][n] for n = 2..30.
std::vector<std::vector<ReferenceRule>> read_references()
{
    std::vector<std::vector<ReferenceRule>> rules(3, std::vector<ReferenceRule>(31));
    FILE *file = fopen(POMREL95_REFERENCES, "r");
    if (!file)
        return rules;
    char line[256];
    while (fgets(line, sizeof line, file)) {
        char family[32], x[64], w[64];
        int n, i;
        if (line[0] == '#' || sscanf(line, "%31s %d %d %63s %63s", family, &n, &i, x, w) != 5)
            continue;
        for (int kind = 0; kind < 3; kind++)
            if (strcmp(family, FAMILY_NAMES[kind]) == 0 && n >= 2 && n <= 30) {
                rules[kind][n].x.push_back(strtold(x, NULL));
                rules[kind][n].w.push_back(strtold(w, NULL));
            }
    }
    fclose(file);
    return rules;
}

// The printed value "%18.9LE" agrees with the exact one up to the rounding of
// its last digit: it lies within half a unit of that digit of the exact value.
::testing::AssertionResult printed_digits_agree(long double value, long double exact)
{
    char text[64];
    snprintf(text, sizeof text, "%18.9LE", value == 0 ? 0.0L : value);
    if (exact == 0) {
        if (strcmp(text, "   0.000000000E+00") == 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << text << " printed for 0";
    }
    long double printed = strtold(text, NULL);
    int exponent = atoi(strchr(text, 'E') + 1);
    long double half_unit = 0.5L * powl(10.0L, exponent - 9);
    if (fabsl(printed - exact) <= half_unit * (1 + 1e-9L))
        return ::testing::AssertionSuccess();
    char reference[64];
    snprintf(reference, sizeof reference, "%.20LE", exact);
    return ::testing::AssertionFailure() << text << " printed for " << reference;
}

int compute(int kind, int n)
{
    polynomial_kind = kind;
    return compute_table(n);
}

long double weight_sum(int n)
{
    long double sum = 0;
    for (int i = 0; i < n; i++)
        sum += weights[i];
    return sum;
}

}  // namespace

TEST(FamilyCoefficients, SmallDegreesLeadingFirst)
{
    build_legendre_coefficients(4);  // (35 x^4 - 30 x^2 + 3) / 8
    const long double legendre[] = {35.0L / 8, 0, -30.0L / 8, 0, 3.0L / 8};
    for (int i = 0; i <= 4; i++)
        EXPECT_NEAR(legendre[i], family_coefficients[i], 1e-14L) << i;
    build_legendre_coefficients(0);
    EXPECT_EQ(1.0L, family_coefficients[0]);

    build_laguerre_coefficients(3);  // -x^3/6 + 3x^2/2 - 3x + 1
    const long double laguerre[] = {-1.0L / 6, 1.5L, -3, 1};
    for (int i = 0; i <= 3; i++)
        EXPECT_NEAR(laguerre[i], family_coefficients[i], 1e-15L) << i;

    build_hermite_coefficients(5);  // x^5 - 10 x^3 + 15 x
    const long double hermite[] = {1, 0, -10, 0, 15, 0};
    for (int i = 0; i <= 5; i++)
        EXPECT_NEAR(hermite[i], family_coefficients[i], 1e-13L) << i;
}

TEST(FamilyCoefficients, EachBuilderClearsTheWholeArray)
{
    build_hermite_coefficients(30);
    build_legendre_coefficients(3);
    for (int i = 4; i < QUADRATURE_SLOTS; i++)
        EXPECT_EQ(0.0L, family_coefficients[i]) << i;
}

// The coefficients in powers of x carry the deviations of their log-sum
// factorials, and their sums at x = 2.5 cancel: hence the tolerance.
TEST(FamilyRecurrences, AgreeWithTheCoefficientsAndTheirDerivative)
{
    for (int kind = 0; kind < 3; kind++)
        for (int n : {1, 2, 5, 9}) {
            build_family_coefficients(kind, n);
            for (long double x : {-0.7L, 0.1L, 0.9L, 2.5L}) {
                long double p = 0, q = 0;
                for (int i = 0; i <= n; i++) {
                    q = q * x + p;
                    p = p * x + family_coefficients[i];
                }
                FamilyValues v = evaluate_family(kind, n, x);
                EXPECT_NEAR(p, v.value, 1e-11L * (1 + fabsl(p))) << kind << " " << n << " " << (double)x;
                EXPECT_NEAR(q, v.derivative, 1e-11L * (1 + fabsl(q))) << kind << " " << n << " " << (double)x;
                if (n >= 2) {
                    build_family_coefficients(kind, n - 1);
                    long double r = 0;
                    for (int i = 0; i < n; i++)
                        r = r * x + family_coefficients[i];
                    EXPECT_NEAR(r, v.previous, 1e-11L * (1 + fabsl(r)));
                    build_family_coefficients(kind, n);
                }
            }
        }
}

// The heart of the program: for every family and degree every printed digit
// of every zero and weight is right.
TEST(QuadratureRules, EveryPrintedDigitAgreesWithTheReferenceRules)
{
    std::vector<std::vector<ReferenceRule>> rules = read_references();
    for (int kind = 0; kind < 3; kind++)
        for (int n = 2; n <= 30; n++) {
            const ReferenceRule &rule = rules[kind][n];
            ASSERT_EQ((size_t)n, rule.x.size()) << "reference file " << POMREL95_REFERENCES;
            ASSERT_EQ(n, compute(kind, n)) << FAMILY_NAMES[kind] << " n=" << n;
            for (int i = 0; i < n; i++) {
                EXPECT_TRUE(printed_digits_agree(root_re[i], rule.x[i])) << FAMILY_NAMES[kind] << " n=" << n << " x[" << i + 1 << "]";
                EXPECT_TRUE(printed_digits_agree(weights[i], rule.w[i])) << FAMILY_NAMES[kind] << " n=" << n << " w[" << i + 1 << "]";
            }
        }
}

// Without the polishing the road through the coefficients in powers of x
// loses digits as n grows: Laguerre n = 30 comes out wrong in the third digit.
TEST(QuadratureRules, FirstEstimatesAloneWouldBeWrong)
{
    std::vector<std::vector<ReferenceRule>> rules = read_references();
    ASSERT_EQ(30u, rules[KIND_LAGUERRE][30].x.size());
    polynomial_kind = KIND_LAGUERRE;
    ASSERT_EQ(30, find_zeros_by_root_finder(30));
    long double worst = 0;
    for (int i = 0; i < 30; i++)
        worst = fmaxl(worst, fabsl(root_re[i] / rules[KIND_LAGUERRE][30].x[i] - 1));
    EXPECT_GT(worst, 1e-6L);
    ASSERT_EQ(30, compute(KIND_LAGUERRE, 30));
    for (int i = 0; i < 30; i++)
        EXPECT_NEAR(1.0L, root_re[i] / rules[KIND_LAGUERRE][30].x[i], 1e-17L) << i;
}

TEST(QuadratureRules, WeightsSumToTheIntegralOfTheWeightFunction)
{
    const long double integral[] = {2.0L, 1.0L, sqrtl(3.14159265358979323846264338327950288L)};
    for (int kind = 0; kind < 3; kind++)
        for (int n = 2; n <= 30; n++) {
            ASSERT_EQ(n, compute(kind, n));
            EXPECT_NEAR(integral[kind], weight_sum(n), 1e-17L) << FAMILY_NAMES[kind] << " n=" << n;
        }
}

TEST(QuadratureRules, DegreeTwoInClosedForm)
{
    ASSERT_EQ(2, compute(KIND_LEGENDRE, 2));
    EXPECT_NEAR(-1 / sqrtl(3.0L), root_re[0], 1e-19L);
    EXPECT_NEAR(1 / sqrtl(3.0L), root_re[1], 1e-19L);
    EXPECT_NEAR(1.0L, weights[0], 1e-18L);
    EXPECT_NEAR(1.0L, weights[1], 1e-18L);

    ASSERT_EQ(2, compute(KIND_LAGUERRE, 2));
    EXPECT_NEAR(2 - sqrtl(2.0L), root_re[0], 1e-18L);
    EXPECT_NEAR(2 + sqrtl(2.0L), root_re[1], 1e-18L);
    EXPECT_NEAR((2 + sqrtl(2.0L)) / 4, weights[0], 1e-18L);
    EXPECT_NEAR((2 - sqrtl(2.0L)) / 4, weights[1], 1e-18L);

    ASSERT_EQ(2, compute(KIND_HERMITE, 2));  // zeros of H_2 = 4x^2 - 2
    EXPECT_NEAR(-1 / sqrtl(2.0L), root_re[0], 1e-19L);
    EXPECT_NEAR(1 / sqrtl(2.0L), root_re[1], 1e-19L);
    long double half_root_pi = sqrtl(3.14159265358979323846264338327950288L) / 2;
    EXPECT_NEAR(half_root_pi, weights[0], 1e-18L);
    EXPECT_NEAR(half_root_pi, weights[1], 1e-18L);
}

// Both roads of the Legendre zeros (root finder up to 23, cosines and
// Newton steps from 24) and the Hermite rules: ascending, exact mirror pairs,
// an exact 0 in the middle of odd degrees with the estimate 0.
TEST(QuadratureRules, SymmetricFamiliesAreExactlySymmetric)
{
    for (int kind : {KIND_LEGENDRE, KIND_HERMITE})
        for (int n = 2; n <= 30; n++) {
            ASSERT_EQ(n, compute(kind, n));
            for (int i = 0; i + 1 < n; i++)
                EXPECT_LT(root_re[i], root_re[i + 1]);
            for (int i = 0; i < n; i++) {
                EXPECT_EQ(-root_re[n - 1 - i], root_re[i]) << kind << " " << n;
                EXPECT_EQ(weights[n - 1 - i], weights[i]) << kind << " " << n;
            }
            if (n % 2 == 1) {
                EXPECT_EQ(0.0L, root_re[n / 2]);
                EXPECT_EQ(0.0L, zero_errors[n / 2]);
            }
        }
}

// n |p(x) / prod (x - x_j)| with p as built: (2n-1)!!/n! times the distance
// to the zero for Legendre, 1/n! times it for Laguerre; all tiny.
TEST(QuadratureRules, ErrorEstimatesAreSmallAndScaledByTheLeadingCoefficient)
{
    for (int kind = 0; kind < 3; kind++)
        for (int n = 2; n <= 30; n++) {
            ASSERT_EQ(n, compute(kind, n));
            for (int i = 0; i < n; i++) {
                EXPECT_GE(zero_errors[i], 0.0L);
                EXPECT_LT(zero_errors[i], 1e-9L) << kind << " " << n << " " << i;
            }
        }
    // Put the zeros of L_3 off by 1e-6 each: the estimate follows that error.
    ASSERT_EQ(3, compute(KIND_LAGUERRE, 3));
    for (int i = 0; i < 3; i++)
        root_re[i] += 1e-6L;
    ASSERT_EQ(3, estimate_zero_errors(3));
    for (int i = 0; i < 3; i++)
        EXPECT_NEAR(3 * 1e-6L / 6, zero_errors[i], 1e-9L) << i;
}

TEST(PolishZero, NewtonRoadOnTheRecurrence)
{
    long double zero = 0;
    // from a rough estimate of the largest zero of L_30
    ASSERT_EQ(30, polish_zero(KIND_LAGUERRE, 30, 104.5L, &zero));
    EXPECT_LT(fabsl(zero / 104.157524431058894511811L - 1), 1e-18L);
    // from far away Newton crawls: no convergence within the step limit
    EXPECT_EQ(NO_CONVERGENCE, polish_zero(KIND_LEGENDRE, 30, 1e6L, &zero));
    // P_2'(0) = 0 and P_2(0) = -1/2: no step can be taken
    EXPECT_EQ(DIVISION_BY_ZERO, polish_zero(KIND_LEGENDRE, 2, 0.0L, &zero));
}

TEST(PolishZeros, TwoEstimatesOfOneZeroLeaveARootUnfound)
{
    polynomial_kind = KIND_LAGUERRE;
    ASSERT_EQ(3, find_zeros_by_root_finder(3));
    root_re[1] = root_re[0] + 0.01L;
    EXPECT_EQ(NOT_ALL_ROOTS, polish_zeros(3));
}

TEST(PolishZeros, LegendreFirstEstimatesFromCosines)
{
    polynomial_kind = KIND_LEGENDRE;
    for (int n = 24; n <= 30; n++) {
        ASSERT_EQ(n, find_legendre_zeros_by_newton(n));
        for (int i = 0; i < n; i++)
            EXPECT_EQ(-root_re[n - 1 - i], root_re[i]);
        long double first[QUADRATURE_SLOTS];
        for (int i = 0; i < n; i++)
            first[i] = root_re[i];
        ASSERT_EQ(n, polish_zeros(n));
        for (int i = 0; i < n; i++)
            EXPECT_NEAR(first[i], root_re[i], 1e-8L) << n << " " << i;
    }
}

// The Newton road in powers of x only gives first estimates: when its step
// bound is not met within 2000 steps the last iterate is kept, never a
// failure; a vanishing derivative is one.
TEST(RefineLegendreZero, FirstEstimateRoad)
{
    build_legendre_coefficients(24);
    long double derivative[QUADRATURE_SLOTS];
    for (int i = 0; i < 24; i++)
        derivative[i] = -family_coefficients[i] * (24 - i);  // steps the wrong way
    EXPECT_EQ(24, refine_legendre_zero(24, 0.99L, derivative, 23));
    EXPECT_GT(root_re[23], 1.0L);
    for (int i = 0; i < 24; i++)
        derivative[i] = 0;
    EXPECT_EQ(DIVISION_BY_ZERO, refine_legendre_zero(24, 0.99L, derivative, 23));
}

TEST(ComputeWeights, DivisionByZeroAndExponentOutOfRange)
{
    polynomial_kind = KIND_LEGENDRE;
    root_re[0] = -0.5L;
    root_re[1] = 1.0L;  // 1 - x^2 = 0
    EXPECT_EQ(DIVISION_BY_ZERO, compute_weights(2));

    root_re[0] = 0.25L;
    root_re[1] = 0.25L;  // two equal zeros
    EXPECT_EQ(DIVISION_BY_ZERO, estimate_zero_errors(2));
    EXPECT_EQ(DIVISION_BY_ZERO, compute_weights(2));

    polynomial_kind = KIND_LAGUERRE;
    root_re[0] = 1e200L;
    root_re[1] = 2e200L;  // w = x / (9 L_3(x)^2) far below exp(-700)
    EXPECT_EQ(EXPONENT_OUT_OF_RANGE, compute_weights(2));

    polynomial_kind = KIND_HERMITE;
    root_re[0] = -1e300L;
    root_re[1] = 1e300L;  // He_1(x) = x: w = sqrt(pi) 2 / (4 x^2)
    EXPECT_EQ(EXPONENT_OUT_OF_RANGE, compute_weights(2));
}
