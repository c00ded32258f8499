// Calculations one after the other in one running program whose tables
// are kept between calculations (one-step updates, kept rows, triangles
// filled on demand): each file must equal the one a fresh program writes.
#pragma once

#include "programs.h"

// Runs the program's sequence of file cases in one process, if it has one.
void check_kept_state(const ProgramCase &program);
