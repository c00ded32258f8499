#include "shell.h"

#include <cfenv>

// All arithmetic runs in x87 extended precision: 64-bit mantissa, rounding
// to nearest, every exception masked (mingw's FE_PC64_ENV loads the control
// word 0x037F), so that no computation can stop the program with a trap.
void set_extended_precision()
{
    fesetenv(FE_PC64_ENV);
}
