// The numeric entry field: a one-line edit box for a real parameter whose
// text is filtered after every change (see numeric_filter.h for the rules),
// with the routines that a Calculation command uses when it refuses a value.
//
// A program lists its edit boxes in its ControlSpec table with the class
// "EDIT" and NUMERIC_ENTRY_STYLE, and from its finish_controls hook calls
// finish_numeric_entries; its command table runs filter_numeric_entry for
// each box's id; its release_extras hook is release_edit_fonts.
#pragma once

#include <windows.h>

#include "numeric_filter.h"

#define NUMERIC_ENTRY_STYLE (WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL)

// Runs the filter once on the edit box's text. A replacement is reported by
// the edit box as a new change, so the filter runs again, nested, until the
// text stays; each call then clicks the caret back to its place.
void filter_numeric_entry(HWND edit, int form);

// Empties the edit box.
void clear_numeric_entry(HWND edit);

// Gives the edit box the keyboard focus with the caret near its start, by a
// press of the left button at the client point (10, 3).
void focus_numeric_entry(HWND edit);

// The edit font (Helv 12/400) selected into each box's own device context
// and set as its font; second is NULL for a program with one box.
void set_edit_fonts(HWND first, HWND second);

// The edit part of the shutdown: the boxes' contexts, the second first, and the edit font.
void release_edit_fonts();

// After the controls exist: the static edge of each box, set_edit_fonts and
// the limit of NUMERIC_TEXT_LIMIT characters (second may be NULL).
void finish_numeric_entries(HWND first, HWND second);

// The box's text, at most 17 characters, into text (NUMERIC_BUF_SIZE bytes, zeroed first).
void read_numeric_entry(HWND edit, char *text);

// The message for an empty box (caption "Error", error icon); the box gets the focus.
void report_empty_entry(HWND window, HWND edit, const char *text_en, const char *text_ja);

// The message for a value out of range (caption "Information", information
// icon); the box is emptied and gets the focus.
void report_value_out_of_range(HWND window, HWND edit, const char *text_en, const char *text_ja);

enum { MAX_TYPED_PARAMETERS = 2 };  // the typed parameters of one window at most

// A typed real parameter of a Calculation command: its box, where its value
// goes, its range and the message shown when the value lies outside it.
struct TypedParameter {
    HWND *edit;             // the numeric entry holding the text
    const char *name;       // "a", "b" or "v": the empty box is named "(a:)"
    double *value;          // receives the value read, also a refused one
    double low;             // the lower bound of the range
    double high;            // the upper bound, always allowed
    int low_is_open;        // 1: low < value <= high; 0: low <= value <= high
    const char *range_en;   // the out-of-range message
    const char *range_ja;
};

// Reads count (at most MAX_TYPED_PARAMETERS) typed parameters in their order: first every box must hold
// text ("No numerical value in the Editbox (a:)!" through report_empty_entry
// otherwise), then each value is read with atof (a lone "-" reads as 0) and
// must lie in its range (report_value_out_of_range otherwise; NaN and the
// infinities are refused too). Returns 1 when all are accepted, 0 after the
// first refusal, whose message has been shown.
int read_typed_parameters(HWND window, const TypedParameter *parameters, int count);
