// Runs a writer against a temporary file and returns the bytes it wrote;
// the tables of a program written so, and counts of what they hold.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calc_state.h"

template <typename Writer>
std::string capture_file(Writer write)
{
    FILE *file = tmpfile();
    write(file);
    fflush(file);
    std::string bytes;
    rewind(file);
    int c;
    while ((c = fgetc(file)) != EOF)
        bytes.push_back((char)c);
    fclose(file);
    return bytes;
}

// The bytes that write_tables(file, n, all) writes, in Japanese when japanese
// is 1 and normalized when with_normalization is 1; both settings are reset
// to 0 afterwards.
inline std::string capture_tables(int n, int all, int with_normalization, int japanese)
{
    is_japanese = japanese;
    normalize = with_normalization;
    std::string bytes = capture_file([&](FILE *f) { write_tables(f, n, all); });
    is_japanese = 0;
    normalize = 0;
    return bytes;
}

// first ends in first_end and second in second_end, and before those ends
// the two are the same: files that differ in their last lines only.
inline void expect_same_but_the_ends(const std::string &first, const std::string &first_end,
                                     const std::string &second, const std::string &second_end)
{
    ASSERT_EQ(first.size() - first_end.size(), first.rfind(first_end));
    ASSERT_EQ(second.size() - second_end.size(), second.rfind(second_end));
    EXPECT_EQ(first.substr(0, first.size() - first_end.size()), second.substr(0, second.size() - second_end.size()));
}

// How often what stands in bytes, overlapping occurrences included.
inline size_t count_occurrences(const std::string &bytes, const std::string &what)
{
    size_t found = 0;
    for (size_t at = bytes.find(what); at != std::string::npos; at = bytes.find(what, at + 1))
        found++;
    return found;
}
