#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "eulerian_numbers.h"

// second_order=0|1: the second-order check box.
int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "second_order") != 0)
        return 0;
    second_order = atoi(value);
    return 1;
}
