// Benchmark: the all-degrees file of jaskel02 (degrees 1 to 1000), built from
// the table and written into a file, as one Calculation does.
#include <chrono>
#include <cstdio>

#include "calc_state.h"

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "jaskel02_bench.txt";
    const int rounds = 200;
    output_all_degrees = 1;
    double best = 1e9, total = 0;
    for (int r = 0; r < rounds; r++) {
        auto start = std::chrono::steady_clock::now();
        FILE *file = fopen(path, "wb");
        if (!file)
            return 1;
        write_tables(file, 1000, 1);
        fclose(file);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        total += ms;
        if (ms < best)
            best = ms;
    }
    printf("jaskel02 all degrees 1..1000, written to a file: best %.3f ms, mean %.3f ms over %d rounds\n", best,
           total / rounds, rounds);
    remove(path);
    return 0;
}
