#include "table_rows.h"

#include "calc_state.h"
#include "result_file.h"

static void put_coefficient_cell(FILE *file, long double value)
{
    char cell[CELL_BUF_SIZE];
    put_tab(file);
    format_coefficient(cell, value);
    put_text(file, cell);
}

static void put_label(FILE *file, const char *label_format, int power)
{
    char cell[CELL_BUF_SIZE];
    snprintf(cell, sizeof cell, label_format, power);
    put_text(file, cell);
}

void write_two_column_header(FILE *file, const char *first_en, const char *first_ja, const char *second_en,
                             const char *second_ja)
{
    put_text(file, choose_text("Term", "項"));
    put_tab(file);
    put_text(file, choose_text(first_en, first_ja));
    put_tab(file);
    put_text(file, choose_text(second_en, second_ja));
    put_newline(file);
}

void write_two_column_rows(FILE *file, const char *label_format, const long double *first,
                           const long double *second, int n)
{
    for (int i = 0; i <= n; i++) {
        put_label(file, label_format, i);
        put_coefficient_cell(file, first[i]);
        put_coefficient_cell(file, second[i]);
        put_newline(file);
    }
}

void write_negative_power_rows(FILE *file, const char *label_format, const long double *values, int n)
{
    for (int i = 0; i <= n; i++) {
        put_label(file, label_format, -i);
        put_coefficient_cell(file, values[i]);
        put_newline(file);
    }
}
