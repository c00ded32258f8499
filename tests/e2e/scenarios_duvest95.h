// The end-to-end scenarios of the q-binomial program duvest95: its result box
// and its own Save (".txt") and Tabulation (".xls") roads with their guards.
#pragma once

#include "scenarios.h"

// Every check of the program in the run's language (the shell's scenarios
// that fit it among them).
void run_duvest95_scenarios(const ProgramCase &program);

// A file case: the tabulation of n = degree with q = the case's "q" written
// through the window and compared with the native dump.
void check_duvest95_tabulation_file(const ProgramCase &program, const FileCase &file_case);
