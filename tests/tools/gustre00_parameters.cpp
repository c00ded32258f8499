#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "factorial_polynomials.h"

// kind=0, 1, 2: falling, rising, central, as the radio buttons 106 to 108
int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "kind") != 0)
        return 0;
    polynomial_kind = atoi(value);
    return polynomial_kind >= 0 && polynomial_kind <= 2;
}
