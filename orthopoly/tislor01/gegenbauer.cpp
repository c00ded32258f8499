#include "gegenbauer.h"

#include <cmath>

#include "calc_state.h"
#include "factorials.h"
#include "normalization.h"
#include "one_parameter.h"

double param_v;

// (x)_k = x (x+1) ... (x+k-1) = exp(ln x + ln(x+1) + ... + ln(x+k-1)), the
// logarithms summed in double precision; 1 for k = 0. For x > 0.
double pochhammer_by_logs(double x, int k)
{
    double sum = 0;
    for (int i = 0; i < k; i++)
        sum = sum + log((double)((long double)i + x));
    return exp(sum);
}

// With M = [n/2] and (p)_j the rising factorial:
//   n = 2M:   C(v,n;x) = (-1)^M (v)_M / M! * sum over j = 0..M of
//             (-M)_j (M+v)_j / ((1/2)_j j!) x^(2j)
//   n = 2M+1: C(v,n;x) = (-1)^M (v)_(M+1) / M! * sum over j = 0..M of
//             2 (-M)_j (M+v+1)_j / ((3/2)_j j!) x^(2j+1)
// The ratios of Pochhammer symbols are products in extended precision, the
// factorials exponentials of double sums of logarithms. For v > 0 the leading
// coefficient 2^n (v)_n / n! never vanishes; with normalization every
// coefficient is divided by it and it is set to exactly 1.
void compute_table(double v, int n)
{
    for (int i = 0; i < TABLE_SLOTS; i++)
        coefficients[i] = 0.0L;
    if (n == 0) {
        coefficients[0] = 1.0L;
    } else {
        int m_half = (int)floor(n * 0.5);
        int odd = n % 2;
        double a = -m_half;
        double b = odd ? m_half + v + 1 : m_half + v;
        double c = odd ? 1.5 : 0.5;
        for (int j = 0; j <= m_half; j++) {
            long double ratio = j == 0 ? 1.0L : pochhammer_ratio(a, b, c, j);
            if (odd)
                coefficients[2 * j + 1] = (ratio * 2) / factorial_via_logs(j);
            else
                coefficients[2 * j] = ratio / factorial_via_logs(j);
        }
        long double factor = (long double)pochhammer_by_logs(v, m_half + odd) / factorial_via_logs(m_half);
        for (int i = 0; i <= n; i++)
            coefficients[i] = coefficients[i] * factor;
        if (m_half % 2 == 1)
            for (int i = 0; i <= n; i++)
                coefficients[i] = coefficients[i] * -1;
    }
    if (normalize == 1)
        divide_by_leading(coefficients, n);
}

void write_table(FILE *file, int n)
{
    write_one_parameter_table(file, n, "GEGENBAUER POLYNOMIAL", "ゲーゲンバウエル多項式", "v", param_v);
}

static void tabulate(FILE *file, int n)
{
    compute_table(param_v, n);
    write_table(file, n);
}

const TableSpec table_spec = {0, tabulate, standard_size_estimate};
