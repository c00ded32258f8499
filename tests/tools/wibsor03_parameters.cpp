#include <cstdlib>
#include <cstring>

#include "associated_legendre.h"
#include "dump_parameters.h"

int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "m") != 0)
        return 0;
    order_m = atoi(value);
    return 1;
}
