#include <cstdlib>
#include <cstring>

#include "discrete_tchebycheff.h"
#include "dump_parameters.h"

int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "m") != 0)
        return 0;
    param_m = atoi(value);
    return 1;
}
