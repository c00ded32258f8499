// Benchmark: the Stirling polynomials, all degrees 0..100, without and with
// normalization, the Eulerian triangle emptied before each round.
#include "stirling_bench.h"
#include "stirling_polynomial.h"

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "quobit00_bench.xls";
    int failed = 0;
    for (int with_normalization : {0, 1}) {
        normalize = with_normalization;
        failed |= time_all_degrees(with_normalization ? "quobit00 all degrees 0..100, normalized, from an empty triangle"
                                                      : "quobit00 all degrees 0..100, from an empty triangle",
                                   path, [] { clear_eulerian_triangle(); });
    }
    return failed;
}
