#include <cstdlib>
#include <cstring>

#include "dump_parameters.h"
#include "ultraspherical.h"

// The program's driver writes the derivatives of P(n;x) from order n down to
// m as the tables of degrees 0..n-m: the table degree is n - m.
int set_dump_parameter(const char *name, const char *value)
{
    if (strcmp(name, "m") != 0)
        return 0;
    order_m = atoi(value);
    dump_table_degree_offset = -order_m;
    return 1;
}
