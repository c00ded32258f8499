#include "quadrature_tables.h"

#include "calc_state.h"
#include "quadrature.h"
#include "result_file.h"

int last_table_index;
int (*compute_degree)(int n) = compute_table;

// Title, family and rule lines of each kind, English then Japanese.
static const char *const TITLE_LINES[3][3][2] = {
    {{" Legendre polynomial P(n;x)", " ルジャンドル多項式 P(n;x)"},
     {" --- for Gauss type numerical integration ---", " --- ガウス形数値積分用 ---"},
     {" Integral[-1 to +1] f(x) dx", " Integral[-1 to +1] f(x) dx"}},
    {{" Laguerre polynomial L*(n;x)", " ラゲール多項式 L*(n;x)"},
     {" --- for Laguerre type numerical integration ---", " --- ラゲール形数値積分用 ---"},
     {" Integral[0 to +infinity] exp(-x) f(x) dx", " Integral[0 to +infinity] exp(-x) f(x) dx"}},
    {{" Hermite polynomial H*(n;x)", " エルミート多項式 H*(n;x)"},
     {" --- for Hermite type numerical integration ---", " --- エルミート形数値積分用 ---"},
     {" Integral[-infinity to +infinity] exp(-x*x) f(x) dx",
      " Integral[-infinity to +infinity] exp(-x*x) f(x) dx"}},
};
enum { FAMILY_LINE = 0, RULE_LINE = 1, INTEGRAL_LINE = 2 };

static const char *kind_line(int line)
{
    const char *const *pair = TITLE_LINES[polynomial_kind][line];
    return choose_text(pair[0], pair[1]);
}

static void put_line(FILE *file, const char *text)
{
    put_text(file, text);
    put_newline(file);
}

// "%18.9LE"; a zero of either sign prints without a minus sign.
static void put_value(FILE *file, long double value)
{
    char cell[CELL_BUF_SIZE];
    if (value == 0)
        value = 0.0L;
    snprintf(cell, sizeof cell, "%18.9LE", value);
    put_text(file, cell);
}

static void write_rows(FILE *file, int n)
{
    char cell[CELL_BUF_SIZE];
    for (int k = 1; k <= n; k++) {
        snprintf(cell, sizeof cell, " %3d", k);
        put_text(file, cell);
        put_tab(file);
        put_value(file, root_re[k - 1]);
        put_tab(file);
        put_value(file, zero_errors[k - 1]);
        put_tab(file);
        put_value(file, weights[k - 1]);
        put_newline(file);
    }
}

static void write_footer(FILE *file, int n)
{
    char line[CELL_BUF_SIZE];
    put_line(file, kind_line(INTEGRAL_LINE));
    if (output_all_degrees) {
        put_line(file, "  = Sum[i=1 to n] w[i] f(x[i])");
    } else {
        char number[CELL_BUF_SIZE];
        format_degree(number, n);
        snprintf(line, sizeof line, "  = Sum[i=1 to %.32s] w[i] f(x[i])", number);
        put_line(file, line);
    }
    put_line(file, choose_text(" Note: f(x) must be a monotone function.", " 注：f(x) は単調関数であること."));
}

void write_table(FILE *file, int n)
{
    if (tables_written == 0) {
        put_line(file, choose_text("*** ZEROS x[i] AND WEIGHT-FACTORS w[i] ***", "*** 零点 x[i] と重み関数 w[i] ***"));
        put_line(file, kind_line(FAMILY_LINE));
        put_line(file, kind_line(RULE_LINE));
    }
    write_degree_heading(file, n);
    put_text(file, " i");
    put_tab(file);
    put_text(file, "  x[i]");
    put_tab(file);
    put_text(file, "  Error");
    put_tab(file);
    put_line(file, "  w[i]");
    write_rows(file, n);
    put_newline(file);
    if (tables_written == last_table_index)
        write_footer(file, n);
}

int write_quadrature_tables(FILE *file, int n)
{
    tables_written = 0;
    if (!output_all_degrees) {
        last_table_index = 0;
        int r = compute_degree(n);
        if (r < 0)
            return r;
        write_table(file, n);
        return n;
    }
    last_table_index = n - 2;
    for (int k = 2; k <= n; k++) {
        int r = compute_degree(k);
        if (r < 0)
            return r;
        write_table(file, k);
        tables_written += 1;
    }
    return n;
}

const char *failure_text(int code)
{
    switch (code) {
    case ABNORMAL_COEFFICIENTS:
        return choose_text("Unable to get a solution because of abnormal coefficients of the algebraic equationl!",
                           "代数方程式の係数が異常値のため解は得られません!");
    case NO_CONVERGENCE:
        return choose_text("Unable to get a solution of the algebraic equation because of no convergence!",
                           "非収束のため代数方程式の解は得られません!");
    case NOT_ALL_ROOTS:
        return choose_text("Unable to get all roots of the algebraic equation.", "代数方程式の全ての根を得られません.");
    case DIVISION_BY_ZERO:
        return choose_text("Unable to get weight-factors because of division by zero!",
                           "零での除算が発生したので重み関数が得られません!");
    default:
        return choose_text("Unable to get weight-factors because of overflow of the exponential function!",
                           "指数関数の変数値が範囲外のため重み関数が得られません!");
    }
}

int discard_result_file(FILE *file, const char *path, void (*pause)())
{
    fclose(file);
    if (pause)
        pause();
    return remove(path) == 0;
}

// For the shell's table loop, which this program does not use: one degree
// computed and, when that succeeded, written.
static void tabulate(FILE *file, int n)
{
    if (compute_degree(n) >= 0)
        write_table(file, n);
}

const TableSpec table_spec = {2, tabulate, standard_size_estimate};
