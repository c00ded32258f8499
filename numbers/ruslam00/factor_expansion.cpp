#include "factor_expansion.h"

#include <cfenv>
#include <cmath>
#include <cstring>

#include "result_file.h"

double factor_re[TABLE_SLOTS];
double factor_im[TABLE_SLOTS];
int last_factor_index;
long double expansion_re[TABLE_SLOTS];
long double expansion_im[TABLE_SLOTS];
long double step_re[TABLE_SLOTS];
long double step_im[TABLE_SLOTS];
int complex_input;
static int expansion_trapped;  // overflow, underflow or an invalid operation in the last compute_table

void clear_expansion()
{
    memset(factor_re, 0, sizeof factor_re);
    memset(factor_im, 0, sizeof factor_im);
    memset(expansion_re, 0, sizeof expansion_re);
    memset(expansion_im, 0, sizeof expansion_im);
    memset(step_re, 0, sizeof step_re);
    memset(step_im, 0, sizeof step_im);
}

void compute_table()
{
    feclearexcept(FE_OVERFLOW | FE_UNDERFLOW | FE_INVALID);
    expansion_re[0] = factor_re[0];  // Z + A_1
    expansion_im[0] = factor_im[0];
    expansion_re[1] = 1;
    expansion_im[1] = 0;
    for (int m = 1; m <= last_factor_index; m++) {
        double re = factor_re[m], im = factor_im[m];  // A_(m+1)
        for (int k = m + 1; k >= 0; k--) {
            step_re[k] = expansion_re[k] * re - expansion_im[k] * im;
            step_im[k] = expansion_re[k] * im + expansion_im[k] * re;
            if (k >= 1) {
                step_re[k] = expansion_re[k - 1] + step_re[k];
                step_im[k] = expansion_im[k - 1] + step_im[k];
            }
        }
        for (int k = 0; k <= m + 1; k++) {
            expansion_re[k] = step_re[k];
            expansion_im[k] = step_im[k];
        }
    }
    expansion_trapped = fetestexcept(FE_OVERFLOW | FE_UNDERFLOW | FE_INVALID) != 0;
}

int expansion_in_range()
{
    if (expansion_trapped)
        return 0;
    for (int k = 0; k <= last_factor_index + 1; k++)
        if (!std::isfinite(expansion_re[k]) || !std::isfinite(expansion_im[k]))
            return 0;
    return 1;
}

long expansion_size_estimate()
{
    return (long)(last_factor_index + 1) * 150 + 1000;
}

// A constant as "%16.8E"; a zero of either sign without a minus sign.
static void put_constant(FILE *file, double value)
{
    char cell[CELL_BUF_SIZE];
    if (value == 0)
        value = 0.0;
    snprintf(cell, sizeof cell, "%16.8E", value);
    put_text(file, cell);
}

static void put_coefficient(FILE *file, long double value)
{
    char cell[CELL_BUF_SIZE];
    format_coefficient(cell, value);
    put_text(file, cell);
}

void write_table(FILE *file)
{
    char cell[CELL_BUF_SIZE];
    put_text(file, choose_text("EXPANSION OF FACTORIAL POWERS", "因数分解式の展開"));
    put_newline(file);
    put_newline(file);

    put_text(file, choose_text("INPUTTED DATA", "入力データ"));
    if (complex_input) {
        put_tab(file);
        put_text(file, "Re");
        put_tab(file);
        put_text(file, "Im");
    }
    put_newline(file);
    for (int k = 1; k <= last_factor_index + 1; k++) {
        snprintf(cell, sizeof cell, "A[%d]", k);
        put_text(file, cell);
        put_tab(file);
        put_constant(file, factor_re[k - 1]);
        if (complex_input) {
            put_tab(file);
            put_constant(file, factor_im[k - 1]);
        }
        put_newline(file);
    }
    put_newline(file);

    put_text(file, choose_text("Term", "項"));
    put_tab(file);
    if (complex_input) {
        put_text(file, choose_text("Coef.[Re]", "係数[Re]"));
        put_tab(file);
        put_text(file, choose_text("Coef.[Im]", "係数[Im]"));
    } else {
        put_text(file, choose_text("Coef.", "係数"));
    }
    put_newline(file);
    for (int k = 0; k <= last_factor_index + 1; k++) {
        snprintf(cell, sizeof cell, " Z^%d", k);
        put_text(file, cell);
        put_tab(file);
        put_coefficient(file, expansion_re[k]);
        if (complex_input) {
            put_tab(file);
            put_coefficient(file, expansion_im[k]);
        }
        put_newline(file);
    }
}

// The shell's description of the tables: one expansion, whatever the degree.
static void tabulate_expansion(FILE *file, int)
{
    write_table(file);
}

static long estimate_expansion_bytes(int, int)
{
    return expansion_size_estimate();
}

const TableSpec table_spec = {
    .first_degree = 0,
    .tabulate = tabulate_expansion,
    .estimate_bytes = estimate_expansion_bytes,
};
