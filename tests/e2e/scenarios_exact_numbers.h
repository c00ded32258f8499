// End-to-end checks of the exact-number check box of the Fibonacci and Lucas
// programs (the file cases check what it changes in the file).
#pragma once

#include "programs.h"

// The box (the program's "exact" parameter) is clear at start and each
// click flips it. Does nothing for a program without it.
void check_exact_numbers_box(const ProgramCase &program);
