// Benchmark: a program's largest result file (every degree up to the last
// one of its list) computed and written, as one Calculation in all-degrees
// mode does; best and mean of several rounds. Built once per program by
// add_benchmark in tests/CMakeLists.txt, with
//   BENCH_PROGRAM "name", BENCH_DEGREE the list's last value, BENCH_ROUNDS,
//   BENCH_RUNS the settings of each timed run, "|" between runs, each run
//     "name=value ..." ("normalize=1", or a choice set as the dump tool sets it),
//   BENCH_PREPARE (optional, declared in BENCH_HEADER) what empties the tables
//     that the program keeps between calculations: called before each round,
//     outside the timing.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calc_state.h"
#include "dump_parameters.h"
#ifdef BENCH_HEADER
#include BENCH_HEADER
#endif

static void prepare_round()
{
#ifdef BENCH_PREPARE
    BENCH_PREPARE();
#endif
}

// Sets the choices of one run, "name=value" separated by blanks; 0 when one
// is unknown.
static int set_choices(const std::string &run)
{
    char choices[256];
    snprintf(choices, sizeof choices, "%s", run.c_str());
    for (char *choice = strtok(choices, " "); choice; choice = strtok(NULL, " ")) {
        char *equals = strchr(choice, '=');
        if (!equals)
            return 0;
        *equals = '\0';
        if (strcmp(choice, "normalize") == 0)
            normalize = atoi(equals + 1);
        else if (!set_dump_parameter(choice, equals + 1))
            return 0;
    }
    return 1;
}

// Times the rounds of one run and prints them; 0 when the file cannot be written.
static int time_run(const char *path, const std::string &run)
{
    double best = 1e9, total = 0;
    long bytes = 0;
    for (int r = 0; r < BENCH_ROUNDS; r++) {
        prepare_round();
        auto start = std::chrono::steady_clock::now();
        FILE *file = fopen(path, "wb");
        if (!file)
            return 0;
        write_tables(file, BENCH_DEGREE, 1);
        bytes = ftell(file);
        fclose(file);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        total += ms;
        if (ms < best)
            best = ms;
    }
    printf("%s, all degrees up to %d%s%s, %ld bytes computed and written: best %.3f ms, mean %.3f ms over %d rounds\n",
           BENCH_PROGRAM, BENCH_DEGREE, run.empty() ? "" : ", ", run.c_str(), bytes, best, total / BENCH_ROUNDS,
           BENCH_ROUNDS);
    return 1;
}

int main(int argc, char **argv)
{
    std::string path = argc > 1 ? argv[1] : BENCH_PROGRAM "_bench.xls";
    std::string runs = BENCH_RUNS;
    output_all_degrees = 1;
    int failed = 0;
    for (size_t start = 0;;) {
        size_t bar = runs.find('|', start);
        std::string run = runs.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        if (!set_choices(run)) {
            fprintf(stderr, "%s: unknown choice in \"%s\"\n", argv[0], run.c_str());
            return 2;
        }
        if (!time_run(path.c_str(), run))
            failed = 1;
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    remove(path.c_str());
    return failed;
}
