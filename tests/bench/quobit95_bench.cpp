// Benchmark: the Stirling numbers of both kinds, all rows n = 1..100.
#include "stirling_bench.h"

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "quobit95_bench.xls";
    output_all_degrees = 1;
    return time_all_degrees("quobit95 all rows 1..100 written to a file", path, [] {});
}
