#include "clipboard_list.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

char fraction_numerator_text[PATH_BUF_SIZE];
char fraction_denominator_text[PATH_BUF_SIZE];

int check_number_text(const char *text, int ok)
{
    if (strlen(text) > NUMBER_TEXT_LIMIT)
        return FIELD_TOO_LONG;
    const char *exponent = strpbrk(text, "Ee");
    if (exponent == NULL)
        return ok;
    char digits[PATH_BUF_SIZE];
    memset(digits, 0, sizeof digits);
    strncpy(digits, exponent + 1, CELL_TEXT_LIMIT);
    double value = atof(digits), limit = EXPONENT_LIMIT;
    if (value < -limit || value > limit)
        return FIELD_EXPONENT_RANGE;
    return ok;
}

// Copies at most CELL_TEXT_LIMIT characters of text[0..count) into out (PATH_BUF_SIZE bytes).
static void copy_part(char *out, const char *text, size_t count)
{
    size_t limit = CELL_TEXT_LIMIT;
    memset(out, 0, PATH_BUF_SIZE);
    memcpy(out, text, count < limit ? count : limit);
}

int classify_number_field(const char *text)
{
    const char *slash = strchr(text, '/');
    if (slash == NULL)
        return check_number_text(text, FIELD_PLAIN);
    if (strrchr(text, '/') != slash)
        return FIELD_TWO_SLASHES;
    copy_part(fraction_numerator_text, text, (size_t)(slash - text));
    int kind = check_number_text(fraction_numerator_text, FIELD_FRACTION);
    if (kind != FIELD_FRACTION)
        return kind;
    copy_part(fraction_denominator_text, slash + 1, strlen(slash + 1));
    return check_number_text(fraction_denominator_text, FIELD_FRACTION);
}

// The characters of text from *at that are decimal digits; *at moves past them.
static int skip_digits(const char *text, size_t *at)
{
    size_t start = *at;
    while (isdigit((unsigned char)text[*at]))
        ++*at;
    return (int)(*at - start);
}

// 1 when the whole of text is a plain decimal number (see convert_number_text).
static int is_decimal_number(const char *text)
{
    size_t at = 0;
    while (isspace((unsigned char)text[at]))
        at++;
    if (text[at] == '+' || text[at] == '-')
        at++;
    int digits = skip_digits(text, &at);
    if (text[at] == '.') {
        at++;
        digits += skip_digits(text, &at);
    }
    if (digits == 0)
        return 0;
    if (text[at] == 'E' || text[at] == 'e') {
        at++;
        if (text[at] == '+' || text[at] == '-')
            at++;
        if (skip_digits(text, &at) == 0)
            return 0;
    }
    return text[at] == '\0';
}

int convert_number_text(const char *text, double *value)
{
    if (text[0] == '\0') {
        *value = 0;
        return 1;
    }
    // strtod alone would also take "inf", "nan" and hexadecimal numbers
    if (!is_decimal_number(text))
        return 0;
    *value = strtod(text, NULL);
    return 1;
}

// The value of one cell, or the refusal it earns.
static int convert_cell(const char *cell, double *value)
{
    switch (classify_number_field(cell)) {
    case FIELD_PLAIN:
        return convert_number_text(cell, value) ? LIST_ACCEPTED : LIST_IMPROPER;
    case FIELD_FRACTION: {
        double numerator, denominator;
        if (!convert_number_text(fraction_numerator_text, &numerator) ||
            !convert_number_text(fraction_denominator_text, &denominator) || denominator == 0)
            return LIST_IMPROPER;
        *value = numerator / denominator;
        return LIST_ACCEPTED;
    }
    case FIELD_EXPONENT_RANGE:
        return LIST_EXPONENT_RANGE;
    case FIELD_TOO_LONG:
        return LIST_TOO_LONG;
    default:  // two slashes
        return LIST_IMPROPER;
    }
}

// Reads the cell that starts at text[start]: the characters up to the next
// TAB or CR or the end, at most CELL_TEXT_LIMIT of them. Returns the index
// of the character that ended it (length at the end of the text).
static size_t read_cell(const char *text, size_t length, size_t start, double *value, int *reading)
{
    size_t end = start;
    while (end < length && end - start < CELL_TEXT_LIMIT && text[end] != '\t' && text[end] != '\r')
        end++;
    char cell[PATH_BUF_SIZE];
    copy_part(cell, text + start, end - start);
    *reading = convert_cell(cell, value);
    return end;
}

int read_factor_list(const char *text, size_t length, int complex_mode, double *re, double *im, int *last_index)
{
    if (text == NULL)
        return LIST_NO_TEXT;
    length = strnlen(text, length);  // the clipboard's text ends at its first zero byte
    if (length < 2 || text[length - 2] != '\r' || text[length - 1] != '\n')
        return LIST_NOT_ROWS;
    size_t at = 0;
    for (int row = 0;; row++) {
        double real = 0, imaginary = 0;
        int reading;
        size_t end = read_cell(text, length, at, &real, &reading);
        if (reading != LIST_ACCEPTED)
            return reading;
        if (complex_mode) {
            // a row with one cell is refused: pairing it with the next
            // line's cell would silently make one constant of two rows
            if (end >= length || text[end] != '\t')
                return LIST_IMPROPER;
            end = read_cell(text, length, end + 1, &imaginary, &reading);
            if (reading != LIST_ACCEPTED)
                return reading;
        }
        // the character after the one that ended the last cell must be LF:
        // a further cell in the row is refused
        if (end + 1 >= length || text[end + 1] != '\n')
            return LIST_IMPROPER;
        if (row == MAX_FACTORS)
            return LIST_TOO_MANY;
        re[row] = real;
        im[row] = imaginary;
        at = end + 2;
        if (at >= length) {
            *last_index = row;
            return LIST_ACCEPTED;
        }
    }
}
