#include "result_file.h"

#include <cmath>
#include <cstring>

#include "calc_state.h"

void put_text(FILE *file, const char *text)
{
    fwrite(text, strlen(text), 1, file);
}

void put_tab(FILE *file)
{
    fputc('\t', file);
}

void put_newline(FILE *file)
{
    fputc('\r', file);
    fputc('\n', file);
}

void format_coefficient(char *out, long double value)
{
    if (value == 0)
        value = 0.0L;  // drops the sign of -0
    snprintf(out, CELL_BUF_SIZE, "%17.8LE", value);
}

// Keeps the characters before the first "." of text.
static void cut_at_point(char *text)
{
    char *point = strchr(text, '.');
    if (point)
        *point = '\0';
}

void format_degree(char *out, double value)
{
    if (value == 0)
        value = 0.0;
    snprintf(out, CELL_BUF_SIZE, "%-14f", value);
    cut_at_point(out);
}

void format_real_parameter(char *out, double value)
{
    if (value == 0) {
        strcpy(out, "0");
        return;
    }
    snprintf(out, CELL_BUF_SIZE, "%-24.11f", value);
    if (floor(value) == value) {
        cut_at_point(out);
        return;
    }
    size_t length = strlen(out);
    size_t dropped = 0;
    while (length > 0 && dropped < 24 && (out[length - 1] == ' ' || out[length - 1] == '0')) {
        out[--length] = '\0';
        dropped++;
    }
}

void write_title_block(FILE *file, const char *title_en, const char *title_ja)
{
    if (tables_written != 0)
        return;
    put_text(file, choose_text(title_en, title_ja));
    put_newline(file);
    if (normalize == 1) {
        put_newline(file);
        put_text(file, choose_text("Note: Coefficients are normalized.", "注：係数は基準化されています."));
        put_newline(file);
    }
}

void write_degree_heading(FILE *file, int n)
{
    char number[CELL_BUF_SIZE];
    char line[CELL_BUF_SIZE];
    format_degree(number, n);
    if (is_japanese)
        snprintf(line, sizeof line, "*** %.32s次の多項式 ***", number);
    else
        snprintf(line, sizeof line, "*** polynomial of degree %.32s ***", number);
    put_newline(file);
    put_text(file, line);
    put_newline(file);
}

void write_column_header(FILE *file)
{
    put_text(file, choose_text("Term", "項"));
    put_tab(file);
    put_text(file, choose_text("Coef.", "係数"));
    put_newline(file);
}

void write_coefficient_rows(FILE *file, const char *label_format, const long double *values, int n)
{
    char cell[CELL_BUF_SIZE];
    for (int i = 0; i <= n; i++) {
        snprintf(cell, sizeof cell, label_format, i);
        put_text(file, cell);
        put_tab(file);
        format_coefficient(cell, values[i]);
        put_text(file, cell);
        put_newline(file);
    }
}

void write_polynomial_table(FILE *file, const long double *values, int n)
{
    write_degree_heading(file, n);
    write_column_header(file);
    write_coefficient_rows(file, " X^%d", values, n);
}
