#include "numeric_filter.h"

#include <cstdlib>
#include <cstring>

static int holds_letter(const char *text)
{
    for (const char *c = text; *c; c++)
        if ((*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z'))
            return 1;
    return 0;
}

// strtod reads the whole text. Letters are refused besides: they can only
// start an exponent, a hexadecimal number, an infinity or a NaN, and no
// calculation may receive any of these.
int numeric_text_is_acceptable(const char *text, int form)
{
    if (text[0] == '\0')
        return 1;
    if (form == NUMERIC_SIGNED && strcmp(text, "-") == 0)
        return 1;
    char *end = NULL;
    strtod(text, &end);
    return *end == '\0' && !holds_letter(text);
}

int repair_numeric_text(const char *text, int form, char *replacement, int *caret_offset)
{
    memset(replacement, 0, NUMERIC_BUF_SIZE);
    if (strcmp(text, ".") == 0) {
        strcpy(replacement, "0.");
        *caret_offset = COMPLETION_CARET_OFFSET;
        return 1;
    }
    if (form == NUMERIC_SIGNED && strcmp(text, "-.") == 0) {
        strcpy(replacement, "-0.");
        *caret_offset = COMPLETION_CARET_OFFSET;
        return 1;
    }
    if (numeric_text_is_acceptable(text, form))
        return 0;
    size_t length = strnlen(text, NUMERIC_READ_SIZE - 1);
    memcpy(replacement, text, length - 1);
    *caret_offset = SHORTENING_CARET_OFFSET;
    return 1;
}

void settle_numeric_text(const char *text, int form, char *out)
{
    char current[NUMERIC_BUF_SIZE];
    memset(current, 0, sizeof current);
    strncpy(current, text, NUMERIC_READ_SIZE - 1);
    char replacement[NUMERIC_BUF_SIZE];
    int offset = 0;
    while (repair_numeric_text(current, form, replacement, &offset))
        memcpy(current, replacement, sizeof current);
    memcpy(out, current, NUMERIC_BUF_SIZE);
}

int value_in_closed_range(double value, double low, double high)
{
    return value >= low && value <= high;
}

int value_in_half_open_range(double value, double low, double high)
{
    return value > low && value <= high;
}
