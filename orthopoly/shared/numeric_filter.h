// The rules of the numeric entry fields that need no window: which texts a
// field keeps, how it repairs the others, and the range tests of the values.
#pragma once

// The two forms of the filter, one per program: with or without a minus sign.
enum NumericForm { NUMERIC_SIGNED = 0, NUMERIC_UNSIGNED = 1 };

enum {
    NUMERIC_TEXT_LIMIT = 9,     // characters an entry field accepts
    NUMERIC_READ_SIZE = 18,     // buffer size given to WM_GETTEXT
    NUMERIC_BUF_SIZE = 20,      // the zeroed buffers that hold a field's text
    COMPLETION_CARET_OFFSET = 10,  // click offset behind a completed "0." or "-0."
    SHORTENING_CARET_OFFSET = 1    // click offset at the place of a removed character
};

// 1 when the field keeps text as it is: strtod reads all of it and it holds
// no letter (no exponent, no hexadecimal form, no "inf" or "nan"), or it is
// empty, or, in the signed form, a lone "-".
int numeric_text_is_acceptable(const char *text, int form);

// One pass of the filter over the field's text. Returns 0 when the text stays.
// Otherwise returns 1 with the replacement (NUMERIC_BUF_SIZE bytes) and the
// horizontal offset of the click that puts the caret back: "." becomes "0."
// and, in the signed form, "-." becomes "-0." (offset 10); any other text
// that is not acceptable loses its last character (offset 1).
int repair_numeric_text(const char *text, int form, char *replacement, int *caret_offset);

// The text that the field finally shows: the edit box reports every
// replacement as a new change, so the filter runs again on it until the
// text stays. out has NUMERIC_BUF_SIZE bytes.
void settle_numeric_text(const char *text, int form, char *out);

// low <= value <= high; false for a NaN.
int value_in_closed_range(double value, double low, double high);

// low < value <= high; false for a NaN.
int value_in_half_open_range(double value, double low, double high);
