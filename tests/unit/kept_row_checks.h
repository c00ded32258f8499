// Checks of the programs that keep a row between calculations and advance
// it by one step in all-degrees mode: both roads give the same numbers, and
// no run leaks into the next.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "calc_state.h"
#include "file_capture.h"

// compute(n) for n = first..last, each degree alone, then all of them in the
// driver's ascending order of all-degrees mode; check(n, road) after each,
// road "single" or "all degrees".
template <typename Compute, typename Check>
void check_on_both_roads(int first, int last, Compute compute, Check check)
{
    const char *const roads[2] = {"single", "all degrees"};
    for (int all = 0; all < 2; all++) {
        output_all_degrees = all;
        for (int n = first; n <= last; n++) {
            compute(n);
            check(n, roads[all]);
        }
    }
    output_all_degrees = 0;
}

// A single degree after an all-degrees run, and an all-degrees run after a
// single degree, write the same file as a fresh program: degree single_n
// alone and all degrees up to all_n, with runs up to last between them.
inline void expect_runs_never_leak(int single_n, int all_n, int last)
{
    std::string single = capture_tables(single_n, 0, 0, 0);
    std::string all = capture_tables(all_n, 1, 0, 0);
    EXPECT_EQ(single, capture_tables(single_n, 0, 0, 0));
    capture_tables(last, 0, 0, 0);
    EXPECT_EQ(all, capture_tables(all_n, 1, 0, 0));
    capture_tables(last, 1, 0, 0);
    EXPECT_EQ(single, capture_tables(single_n, 0, 0, 0));
}
