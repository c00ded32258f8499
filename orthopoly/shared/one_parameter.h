// The result file of the programs with typed parameters, and the parameter a
// shared by the Hermite, Laguerre, Charlier and Lommel programs. Nothing here
// calls Windows. The Calculation command and the label painter that go with
// it are in one_parameter_window.h.
//
// The one-parameter writer write_one_parameter_table serves every program
// whose file carries a title, one real parameter and rows in powers of X:
// the Hermite, Charlier and Laguerre programs with "a", the Gegenbauer
// program with "v". Programs with other parameter lines (integer ones, or
// two of them) build their title block from write_parameter_title,
// write_parameter_line and write_normalization_note.
//
// The writers are inline: they call the shell's result-file routines, which
// only the programs and their tests link, while one_parameter.cpp (param_a)
// is part of orthopoly_shared, which some tests link without the shell.
#pragma once

#include <cstdio>

#include "calc_state.h"
#include "result_file.h"

extern double param_a;  // the parameter a as last read from its edit box, also a refused value

// The title, CR LF, and an empty line.
inline void write_parameter_title(FILE *file, const char *title_en, const char *title_ja)
{
    put_text(file, choose_text(title_en, title_ja));
    put_newline(file);
    put_newline(file);
}

// name + " = " + value_text, CR LF ("a = 1.5").
inline void write_parameter_line(FILE *file, const char *name, const char *value_text)
{
    put_text(file, name);
    put_text(file, " = ");
    put_text(file, value_text);
    put_newline(file);
}

// "Note: Coefficients are normalized." CR LF, only when normalize is 1.
inline void write_normalization_note(FILE *file)
{
    if (normalize != 1)
        return;
    put_text(file, choose_text("Note: Coefficients are normalized.", "注：係数は基準化されています."));
    put_newline(file);
}

// One table: before the first table of the file the title block (title,
// empty line, name + " = " + value by the real-parameter rule, the note when
// normalize is 1), then an empty line, the degree heading, "Term" TAB
// "Coef." and the rows " X^i" TAB coefficients[i] for i = 0..n.
inline void write_one_parameter_table(FILE *file, int n, const char *title_en, const char *title_ja,
                                      const char *name, double value)
{
    if (tables_written == 0) {
        char value_text[CELL_BUF_SIZE];
        format_real_parameter(value_text, value);
        write_parameter_title(file, title_en, title_ja);
        write_parameter_line(file, name, value_text);
        write_normalization_note(file);
    }
    write_polynomial_table(file, coefficients, n);
}
