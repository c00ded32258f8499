// Times one program's largest file: all rows up to 100 computed and written
// into a file, as one Calculation does; best and mean of several rounds.
#pragma once

#include <chrono>
#include <cstdio>

#include "calc_state.h"

// prepare runs before each round, outside the timing (it empties the
// tables that a program keeps between calculations).
template <typename Prepare>
inline int time_all_degrees(const char *label, const char *path, Prepare prepare)
{
    const int rounds = 20;
    double best = 1e9, total = 0;
    for (int r = 0; r < rounds; r++) {
        prepare();
        auto start = std::chrono::steady_clock::now();
        FILE *file = fopen(path, "wb");
        if (!file)
            return 1;
        write_tables(file, 100, 1);
        fclose(file);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        total += ms;
        if (ms < best)
            best = ms;
    }
    printf("%s: best %.2f ms, mean %.2f ms over %d rounds\n", label, best, total / rounds, rounds);
    remove(path);
    return 0;
}
