#include "q_binomial.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

char result_text[RESULT_TEXT_SIZE];
int tabulation_mode;

static const long double SQRT_2 = 1.4142135623730951;     // the double sqrt(2), held in extended
static const long double SQRT_HALF = 0.7071067811865476;  // half of it
static const long double LN_2 = 0.6931471805599453;       // the double ln 2

long double log_extended(long double x)
{
    int b = 0;  // x = 2^b * (the reduced x)
    if (x >= SQRT_2) {
        while (x >= SQRT_2) {
            x = x * 0.5L;
            b = b + 1;
        }
    } else if (x < SQRT_HALF) {
        while (x < SQRT_HALF) {
            x = x * 2;
            b = b - 1;
        }
    }
    long double t = x - 1;
    long double d = 0;  // the continued fraction from its innermost level outward
    for (int k = 9; k >= 1; k--)
        d = k * t / (2 + k * t / ((2 * k + 1) + d));
    return b * LN_2 + t / (1 + d);
}

long double log_q_number(int i, double q)
{
    long double p = 1, s = 1;  // p = q^j, s = 1 + q + ... + q^j
    for (int j = 1; j <= i; j++) {
        p = p * q;
        s = s + p;
    }
    return log_extended(s);
}

long double log_binomial_extended(int n, int m)
{
    if (m == 0 || m == n)
        return 0;
    if (m == 1 || m == n - 1)
        return log((double)n);
    long double r = 0;
    for (int i = 0; i < m; i++)
        r = r + log((double)(n - i));
    for (int i = 1; i <= m; i++)
        r = r - log((double)i);
    return r;
}

void compute_table(int n, int m, double q)
{
    if (m > n) {
        strcpy(result_text, "0E+00");
        return;
    }
    long double L = 0;
    if (q == 0 || m == 0 || m == n) {
        L = 0;  // the coefficient is 1
    } else if (q == 1) {
        L = log_binomial_extended(n, m);
    } else {
        for (int i = m; i <= n - 1; i++)  // ln of (1 + ... + q^m) ... (1 + ... + q^(n-1))
            L = L + log_q_number(i, q);
        for (int i = 1; i <= n - m - 1; i++)  // ln [n-m]_q!; [1]_q = 1 adds nothing
            L = L - log_q_number(i, q);
    }
    double y = (double)(L / (long double)log(10.0));
    format_log10_value(y);
}

// mant printed with "%-15.6f": the digits before the point when mant is an
// integer, otherwise the field without its trailing blanks and zeros.
static void print_mantissa(char *text, double mant)
{
    char field[64];
    snprintf(field, sizeof field, "%-15.6f", mant);
    if (floor(mant) == mant) {
        char *point = strchr(field, '.');
        if (point)
            *point = '\0';
    } else {
        size_t length = strlen(field);
        for (int examined = 0; examined < 15 && length > 0; examined++) {
            if (field[length - 1] != ' ' && field[length - 1] != '0')
                break;
            field[--length] = '\0';
        }
    }
    strcpy(text, field);
}

enum { EXPONENT_BUF_SIZE = 80 };  // a sign, a zero and the digits of "%-14f" at most

// The exponent e (an integer) with its sign and at least two digits.
static void print_exponent(char *text, double e)
{
    char field[64];
    snprintf(field, sizeof field, "%-14f", e);
    size_t k = strcspn(field, ".");
    field[k] = '\0';
    if (k == 1)
        snprintf(text, EXPONENT_BUF_SIZE, "+0%s", field);
    else if (k == 2 && field[0] == '-')
        snprintf(text, EXPONENT_BUF_SIZE, "-0%s", field + 1);
    else if (k == 2)
        snprintf(text, EXPONENT_BUF_SIZE, "+%s", field);
    else if (e > 0)
        snprintf(text, EXPONENT_BUF_SIZE, "+%s", field);
    else
        snprintf(text, EXPONENT_BUF_SIZE, "%s", field);
}

// In tabulation mode: a blank, then the mantissa widened to d.dddddd.
static void widen_mantissa(char *mantissa)
{
    char wide[32];
    snprintf(wide, sizeof wide, " %s", mantissa);
    size_t length = strlen(wide);
    if (length == 2) {
        strcat(wide, ".000000");
    } else {
        while (length < 9)
            wide[length++] = '0';
        wide[length] = '\0';
    }
    strcpy(mantissa, wide);
}

void format_log10_value(double y)
{
    double e;
    double f = modf(y, &e);
    if (f < 0) {
        f = f + 1;
        e = e - 1;
    }
    char mantissa[64];
    print_mantissa(mantissa, pow(10.0, f));
    double kept = atof(mantissa);
    if (fabs(kept) >= 10) {  // 9.9999996 printed as 10.000000: carry into the exponent
        print_mantissa(mantissa, kept * 0.1);
        e = e + 1;
    }
    size_t length = strlen(mantissa);
    if (length > 0 && mantissa[length - 1] == '.')
        mantissa[length - 1] = '\0';
    char exponent[EXPONENT_BUF_SIZE];
    print_exponent(exponent, e == 0 ? 0.0 : e);  // a zero exponent never prints as "-00"
    if (tabulation_mode == 1)
        widen_mantissa(mantissa);
    snprintf(result_text, RESULT_TEXT_SIZE, "%sE%s", mantissa, exponent);
}
