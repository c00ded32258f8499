#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "generalized_fibonacci.h"

int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "p") == 0)
        return read_start_value(value, &param_p);
    if (strcmp(name, "q") == 0)
        return read_start_value(value, &param_q);
    return 0;
}
