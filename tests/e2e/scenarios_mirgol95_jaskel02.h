// End-to-end checks of mirgol95 (its two starting values p and q) and of
// jaskel02 (its ".txt" road), beside the shell's scenarios.
#pragma once

#include "programs.h"

// Runs the checks of the program when it is one of the two; nothing otherwise.
void check_mirgol95_jaskel02(const ProgramCase &program);
