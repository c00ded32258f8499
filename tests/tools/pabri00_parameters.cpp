#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "gould.h"

int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "a") == 0)
        param_a = atof(value);
    else if (strcmp(name, "b") == 0)
        param_b = atof(value);
    else
        return 0;
    return 1;
}
