#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "gegenbauer.h"

int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "v") != 0)
        return 0;
    param_v = atof(value);
    return 1;
}
