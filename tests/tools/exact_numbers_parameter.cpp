#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "fibonacci_polynomial.h"

// exact=1: the number lines carry the stored exact numbers
int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "exact") != 0)
        return 0;
    exact_numbers = atoi(value);
    return 1;
}
