#include "fibonacci_polynomial.h"

#include <cmath>
#include <cstring>

#include "exp_extended.h"
#include "result_file.h"

CoefficientTable number_table;
int exact_numbers;

double log_binomial_coefficient(int a, int k)
{
    if (k == 0 || a == k)
        return 0.0;
    if (k == 1 || k == a - 1)
        return log((double)a);
    double s = 0.0;
    for (int i = 0; i < k; i++)
        s = log((double)(a - i)) + s;
    for (int i = 1; i <= k; i++)
        s = s - log((double)i);
    return s;
}

void compute_fibonacci_polynomial(int m)
{
    for (int i = 0; i < TABLE_SLOTS; i++) {
        coefficients[i] = 0.0L;
        number_table[i] = 0.0L;
    }
    if (m == 1) {
        coefficients[0] = 1;
        number_table[1] = 1;
        return;
    }
    int top = (int)floor((m - 1) * 0.5);
    for (int s = 0; s <= top; s++)
        coefficients[m - 1 - 2 * s] = exp_extended(log_binomial_coefficient(m - 1 - s, s));
    long double sum = 0;
    for (int i = 0; i <= m - 1; i++)
        sum = sum + coefficients[i];
    number_table[m] = sum;
}

void write_indexed_degree_heading(FILE *file, int d, const char *symbol, int n)
{
    char degree_text[CELL_BUF_SIZE];
    char index_text[CELL_BUF_SIZE];
    char line[CELL_BUF_SIZE];
    format_degree(degree_text, d);
    format_degree(index_text, n);
    if (is_japanese)
        snprintf(line, sizeof line, "*** %.32s次の多項式, %s%.32s(X) ***", degree_text, symbol, index_text);
    else
        snprintf(line, sizeof line, "*** polynomial of degree %.32s, %s%.32s(X) ***", degree_text, symbol, index_text);
    put_newline(file);
    put_text(file, line);
    put_newline(file);
}

void write_number_line(FILE *file, const char *prefix_en, const char *prefix_ja, int n, const char *exact_text,
                       long double value)
{
    char index[CELL_BUF_SIZE];
    char number[26];
    memset(number, 0, sizeof number);
    if (exact_numbers == 1) {
        snprintf(number, sizeof number, "%s", exact_text);
    } else {
        snprintf(number, sizeof number, "%-17.8LE", value);
        for (size_t length = strlen(number); length > 0 && number[length - 1] == ' '; length--)
            number[length - 1] = '\0';
    }
    format_degree(index, n);
    put_text(file, choose_text(prefix_en, prefix_ja));
    put_text(file, index);
    put_text(file, "] : ");
    put_text(file, number);
    put_newline(file);
}
