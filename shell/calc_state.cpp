#include "calc_state.h"

int is_japanese;
int degree;
int output_all_degrees;
int normalize;
int tables_written;
CoefficientTable coefficients;

const char *choose_text(const char *english, const char *japanese)
{
    return is_japanese ? japanese : english;
}

long standard_size_estimate(int n, int all)
{
    long rows = all ? (long)(n + 1) * (n + 2) / 2 : n + 1;
    return rows * 100 + 1000;
}

void write_tables(FILE *file, int n, int all)
{
    tables_written = 0;
    if (!all) {
        table_spec.tabulate(file, n);
        return;
    }
    int last = table_spec.all_degrees_last != 0 ? table_spec.all_degrees_last : n;
    for (int i = table_spec.first_degree; i <= last; i++) {
        table_spec.tabulate(file, i);
        tables_written += 1;
    }
}
