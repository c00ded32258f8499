#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "spherical_bessel.h"

int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "second_kind") != 0)
        return 0;
    neumann_function_mode = atoi(value);
    return 1;
}
