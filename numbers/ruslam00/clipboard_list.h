// The list of constants that a spreadsheet puts on the clipboard when a
// column (or, for complex numbers, two columns) of cells is copied: one row
// per constant, rows ended by CR LF, cells separated by TAB. A cell holds a
// plain decimal number or a fraction of two. Nothing here calls Windows: the
// clipboard calls around it live in the window code.
#pragma once

#include <cstddef>

#include "calc_state.h"

// What classify_number_field finds in a cell.
enum FieldKind {
    FIELD_PLAIN = 0,           // one number text
    FIELD_FRACTION = 1,        // two number texts around one "/"
    FIELD_TWO_SLASHES = 2,     // more than one "/"
    FIELD_EXPONENT_RANGE = 3,  // an exponent outside -10..10
    FIELD_TOO_LONG = 4         // a number text over NUMBER_TEXT_LIMIT characters
};

enum {
    MAX_FACTORS = 100,        // rows a list may hold
    NUMBER_TEXT_LIMIT = 44,   // characters of a number text
    CELL_TEXT_LIMIT = 256,    // a cell is cut after this many characters
    EXPONENT_LIMIT = 10       // the decimal exponent lies in -10..10
};

// How reading a list ends: accepted, or one of the six refusals.
enum ListReading {
    LIST_ACCEPTED = 0,
    LIST_NO_TEXT = 1,           // no text on the clipboard
    LIST_NOT_ROWS = 2,          // shorter than 2 bytes or not ended by CR LF
    LIST_IMPROPER = 3,          // a cell that is no number, a zero denominator, a misplaced cell
    LIST_EXPONENT_RANGE = 4,    // an exponent outside -10..10
    LIST_TOO_LONG = 5,          // a number text over 44 characters
    LIST_TOO_MANY = 6           // a 101st row
};

// The two parts of the last fraction cell classified.
extern char fraction_numerator_text[PATH_BUF_SIZE];
extern char fraction_denominator_text[PATH_BUF_SIZE];

// FIELD_TOO_LONG for a text over 44 characters; FIELD_EXPONENT_RANGE when the
// number written after the first "E" or "e" lies outside -10..10; else ok.
int check_number_text(const char *text, int ok);

// The kind of one cell; a fraction leaves its parts in the two texts above.
int classify_number_field(const char *text);

// The value of one number text into *value. A number text is white space,
// then an optional sign, digits with at most one point (at least one digit),
// and an optional exponent "E" or "e" with an optional sign and digits; an
// empty text is 0. Anything else (trailing blanks, "inf", "nan", hexadecimal
// forms, a lone point) gives 0 and leaves *value untouched.
int convert_number_text(const char *text, double *value);

// Reads the list of length bytes at text (complex_mode: two cells a row,
// real and imaginary part) into re[0..], im[0..] (MAX_FACTORS entries each)
// and *last_index (rows - 1). Returns LIST_ACCEPTED or the refusal; a NULL
// text is LIST_NO_TEXT. Entries of the rows before a refused one stay set.
// text needs no terminating zero.
int read_factor_list(const char *text, size_t length, int complex_mode, double *re, double *im, int *last_index);
