// The one real parameter a of the Hermite, Laguerre, Charlier and Lommel programs.
#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "one_parameter.h"

int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "a") != 0)
        return 0;
    param_a = atof(value);
    return 1;
}
