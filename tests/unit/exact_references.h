// Exact references written by tools/make_stirling_family_references.py: lines
// "tag n k value" (or "tag n value"), the value the exact number rounded to
// 9 significant digits as "%.8E" prints it; and the cell a program prints.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>

#include "result_file.h"

// (tag, n, k) -> printed value; k is -1 on the lines without one.
typedef std::map<std::tuple<std::string, int, int>, std::string> ExactTable;

inline ExactTable read_exact_table(const char *path)
{
    ExactTable table;
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string tag, second, third, fourth;
        words >> tag >> second >> third >> fourth;
        if (fourth.empty())
            table[std::make_tuple(tag, std::stoi(second), -1)] = third;
        else
            table[std::make_tuple(tag, std::stoi(second), std::stoi(third))] = fourth;
    }
    return table;
}

// The cell "%17.8LE" without its leading blanks.
inline std::string printed_cell(long double value)
{
    char cell[CELL_BUF_SIZE];
    format_coefficient(cell, value);
    std::string text = cell;
    return text.substr(text.find_first_not_of(' '));
}
