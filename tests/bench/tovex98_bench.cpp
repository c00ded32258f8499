// Benchmark: the Eulerian numbers, all rows n = 1..100 of either order, the
// triangles emptied before each round so that every row is computed.
#include "eulerian_numbers.h"
#include "stirling_bench.h"

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "tovex98_bench.xls";
    output_all_degrees = 1;
    int failed = 0;
    for (int order : {0, 1}) {
        second_order = order;
        failed |= time_all_degrees(order ? "tovex98 second order, all rows 1..100 from empty triangles"
                                         : "tovex98 first order, all rows 1..100 from empty triangles",
                                   path, [] { reset_eulerian_triangles(); });
    }
    return failed;
}
