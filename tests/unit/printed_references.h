// Printed coefficients against references made from exact values by
// tools/make_bernoulli_euler_fibonacci_references.py: lines "n j value" (the
// coefficient of x^j of the polynomial of list value n) and "n number value".
// An exact value halfway between two printed forms has both on its line
// ("n j lower upper"): either is as near, and either is accepted.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>

#include "calc_state.h"
#include "result_file.h"

enum { NUMBER_LINE = -1 };  // the key j of a "n number value" line

// (n, j) -> the accepted printed forms, blank-separated
typedef std::map<std::pair<int, int>, std::string> PrintedReferences;

inline PrintedReferences read_printed_references(const char *path)
{
    PrintedReferences references;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int n;
        std::string j, value, other;
        fields >> n >> j >> value >> other;
        references[{n, j == "number" ? NUMBER_LINE : std::stoi(j)}] = other.empty() ? value : value + " " + other;
    }
    return references;
}

// The coefficient as the table rows print it, without the leading blanks.
inline std::string printed_coefficient(long double value)
{
    char cell[CELL_BUF_SIZE];
    format_coefficient(cell, value);
    std::string text = cell;
    return text.substr(text.find_first_not_of(' '));
}

// text is one of the accepted forms of (n, j).
inline void expect_printed(const PrintedReferences &references, int n, int j, const std::string &text)
{
    auto found = references.find({n, j});
    ASSERT_NE(found, references.end()) << "no reference for n=" << n << " j=" << j;
    std::istringstream forms(found->second);
    std::string form;
    bool accepted = false;
    while (forms >> form)
        accepted = accepted || form == text;
    EXPECT_TRUE(accepted) << "n=" << n << " j=" << j << ": " << text << ", exact " << found->second;
}

// A number as "%.8LE" prints it against the "n number" reference of n.
inline void expect_printed_number(const PrintedReferences &references, int n, long double value)
{
    char number[CELL_BUF_SIZE];
    snprintf(number, sizeof number, "%.8LE", value);
    expect_printed(references, n, NUMBER_LINE, number);
}

// Every printed coefficient of coefficients[0..d] against the references of n.
inline void expect_printed_row(const PrintedReferences &references, int n, int d)
{
    for (int j = 0; j <= d; j++)
        expect_printed(references, n, j, printed_coefficient(coefficients[j]));
}
