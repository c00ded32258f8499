// Benchmark: the largest tabulation, n = 200 with q = 10, computed and
// written into a file as one Tabulation does (every row from nothing).
#include <chrono>
#include <cstdio>

#include "q_binomial_files.h"

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "duvest95_bench.xls";
    const int rounds = 20;
    q_value = 10;
    double best = 1e9, total = 0;
    for (int r = 0; r < rounds; r++) {
        auto start = std::chrono::steady_clock::now();
        FILE *file = fopen(path, "wb");
        if (!file)
            return 1;
        write_tabulation(file, 200);
        if (!close_written_file(file))
            return 1;
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        total += ms;
        if (ms < best)
            best = ms;
    }
    printf("duvest95 tabulation n = 200, q = 10 written to a file: best %.2f ms, mean %.2f ms over %d rounds\n", best,
           total / rounds, rounds);
    remove(path);
    return 0;
}
