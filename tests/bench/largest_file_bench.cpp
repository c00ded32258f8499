// Benchmark: a program's largest result file (all degrees up to the last
// one of its list, with the choices that lengthen it) computed and written,
// as one Calculation does. Built once per program:
//   BENCH_PROGRAM "name", BENCH_DEGREE the list's last value,
//   BENCH_CHOICE "name=value" or "" (set as the dump tool sets it).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "calc_state.h"
#include "dump_parameters.h"

int main(int argc, char **argv)
{
    std::string path = argc > 1 ? argv[1] : BENCH_PROGRAM "_bench.xls";
    char choice[64] = BENCH_CHOICE;
    char *equals = strchr(choice, '=');
    if (equals) {
        *equals = '\0';
        set_dump_parameter(choice, equals + 1);
    }
    const int rounds = 20;
    double best = 1e9, total = 0;
    long bytes = 0;
    for (int r = 0; r < rounds; r++) {
        auto start = std::chrono::steady_clock::now();
        FILE *file = fopen(path.c_str(), "wb");
        if (!file)
            return 1;
        write_tables(file, BENCH_DEGREE, 1);
        bytes = ftell(file);
        fclose(file);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        total += ms;
        if (ms < best)
            best = ms;
    }
    printf("%s, all degrees up to %d%s%s, %ld bytes computed and written: best %.2f ms, mean %.2f ms over %d rounds\n",
           BENCH_PROGRAM, BENCH_DEGREE, BENCH_CHOICE[0] ? ", " : "", BENCH_CHOICE, bytes, best, total / rounds, rounds);
    remove(path.c_str());
    return 0;
}
