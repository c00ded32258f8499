#include "q_binomial_files.h"

#include <cstdlib>
#include <cstring>

#include "numeric_filter.h"
#include "q_binomial.h"
#include "result_file.h"

double q_value;
int n_value;
int m_value;

// The shell's calculation state wants the program's tables: one tabulation.
const TableSpec table_spec = {1, write_tabulation, tabulation_size_estimate};

QReading read_q_text(const char *text, double *q)
{
    if (text[0] == '\0')
        return Q_EMPTY;
    // a text the entry field would not keep is no number to compute with
    if (!numeric_text_is_acceptable(text, NUMERIC_UNSIGNED))
        return Q_REFUSED;
    *q = atof(text);
    return value_in_closed_range(*q, 0, 10) ? Q_ACCEPTED : Q_REFUSED;
}

static void put_line(FILE *file, const char *head, const char *value)
{
    put_text(file, head);
    put_text(file, value);
    put_newline(file);
}

void write_text_result(FILE *file)
{
    char cell[CELL_BUF_SIZE];
    put_line(file, choose_text("q-BINOMIAL COEFFICIENT nC[q]m", "q 二項係数 nC[q]m"), "");
    format_real_parameter(cell, q_value);
    put_line(file, "   q = ", cell);
    format_degree(cell, n_value);
    put_line(file, "   n = ", cell);
    format_degree(cell, m_value);
    put_line(file, "   m = ", cell);
    put_line(file, "   nC[q]m = ", result_text);
}

static void write_tabulation_header(FILE *file)
{
    char cell[CELL_BUF_SIZE];
    put_line(file, choose_text("q-BINOMIAL COEFFICIENT nC[q]m", "q 二項係数 nC[q]m"), "");
    put_newline(file);
    format_real_parameter(cell, q_value);
    put_line(file, " q = ", cell);
    format_degree(cell, n_value);
    put_line(file, " n = ", cell);
    put_newline(file);
    put_text(file, " m");
    put_tab(file);
    put_line(file, " nC[q]m", "");
}

void write_table(FILE *file, int m)
{
    if (tables_written == 0)
        write_tabulation_header(file);
    char label[16];
    snprintf(label, sizeof label, "%d", m);
    put_text(file, label);
    put_tab(file);
    put_line(file, result_text, "");
}

void write_tabulation(FILE *file, int n)
{
    n_value = n;
    tabulation_mode = 1;
    tables_written = 0;
    for (int m = 0; m <= n; m++) {
        memset(result_text, 0, sizeof result_text);
        compute_table(n, m, q_value);
        write_table(file, m);
        tables_written = tables_written + 1;
    }
    tables_written = 0;
    tabulation_mode = 0;
}

long tabulation_size_estimate(int n, int)
{
    return (long)n * 50 + 100;
}

int close_written_file(FILE *file)
{
    int failed = ferror(file);
    if (fclose(file) != 0)
        failed = 1;
    return !failed;
}
