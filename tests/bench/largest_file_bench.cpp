// Benchmark: a program's largest all-degrees file, computed and written into
// a file as one Calculation does, timed over 20 rounds. Built once per
// program with BENCH_PROGRAM (its name) and BENCH_CHOICE ("name=value" of
// its own choice, "" for none).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "calc_state.h"
#include "dump_parameters.h"

int dump_table_degree_offset;

int main(int argc, char **argv)
{
    std::string path = argc > 1 ? argv[1] : BENCH_PROGRAM "_bench.xls";
    std::string choice = BENCH_CHOICE;
    size_t equals = choice.find('=');
    if (equals != std::string::npos &&
        !set_dump_parameter(choice.substr(0, equals).c_str(), choice.substr(equals + 1).c_str()))
        return 2;
    const int rounds = 20;
    double best = 1e9, total = 0;
    long bytes = 0;
    for (int r = 0; r < rounds; r++) {
        auto start = std::chrono::steady_clock::now();
        FILE *file = fopen(path.c_str(), "wb");
        if (!file)
            return 1;
        write_tables(file, 100, 1);
        bytes = ftell(file);
        fclose(file);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        total += ms;
        if (ms < best)
            best = ms;
    }
    printf("%s all degrees to 100 %s(%ld bytes) written to a file: best %.2f ms, mean %.2f ms over %d rounds\n",
           BENCH_PROGRAM, (choice + (choice.empty() ? "" : " ")).c_str(), bytes, best, total / rounds, rounds);
    remove(path.c_str());
    return 0;
}
