#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "q_binomial_files.h"

// The degree is n; q is the typed parameter.
int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "q") != 0)
        return 0;
    q_value = atof(value);
    return 1;
}
