#include "gf2_polynomials.h"

#include <cstdlib>
#include <cstring>

#include "calc_state.h"
#include "gf2_table.h"
#include "result_file.h"

void format_gf2_line(char *line, int n)
{
    memset(line, 0, GF2_LINE_SIZE);
    if (n == 1) {
        strcpy(line, "X^1 + 1");
        return;
    }
    // the entry's first number is the degree, the others the middle exponents
    snprintf(line, GF2_LINE_SIZE, "X^%d", n);
    const char *number = strchr(gf2_polynomial_table[n], '.') + 1;
    char *end = NULL;
    for (; *number; number = end + 1) {
        long exponent = strtol(number, &end, 10);
        size_t used = strlen(line);
        snprintf(line + used, GF2_LINE_SIZE - used, " + X^%ld", exponent);
    }
    strcat(line, " + 1");
}

void compute_table(FILE *file, int n)
{
    char line[GF2_LINE_SIZE], degree_text[CELL_BUF_SIZE];
    format_gf2_line(line, n);
    snprintf(degree_text, sizeof degree_text, "%d", n);
    write_table(file, degree_text, line);
}

// "PRIMITIVE POLYNOMIAL" is the table's name as users know it; its entries
// are irreducible, not all primitive (see gf2_table.h).
void write_table(FILE *file, const char *degree_text, const char *line)
{
    if (tables_written == 0) {
        put_text(file, choose_text("PRIMITIVE POLYNOMIAL", "原始多項式"));
        if (!output_all_degrees) {
            put_text(file, choose_text(" [degree(s) ", " ["));
            put_text(file, degree_text);
            put_text(file, choose_text("]", "次]"));
        }
        put_newline(file);
        put_newline(file);
    }
    put_text(file, line);
    put_newline(file);
}

// 100 bytes a line and 900 more for all degrees up to n; 1000 for one.
static long estimate_bytes(int n, int all)
{
    return all ? (long)n * 100 + 900 : 1000;
}

const TableSpec table_spec = {
    .first_degree = 1,
    .tabulate = compute_table,
    .estimate_bytes = estimate_bytes,
    .file_kind = &text_file,
};
