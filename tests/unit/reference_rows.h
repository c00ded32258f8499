// Rows of exact reference numbers written by the generators in tests/tools:
// each line "n k" and then, per column, the value to 25 digits and the text
// that "%.8E" gives for the exact value.
#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <cstdlib>

#include "result_file.h"

struct ReferenceCell {
    long double value;    // the exact value, rounded to 25 digits and read
    std::string printed;  // the exact value printed with 9 significant digits
};

// (n, k) -> the columns of that line.
typedef std::map<std::pair<int, int>, std::vector<ReferenceCell>> ReferenceRows;

inline ReferenceRows read_reference_rows(const char *path, int columns)
{
    ReferenceRows rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        int n, k;
        fields >> n >> k;
        std::vector<ReferenceCell> &cells = rows[{n, k}];
        for (int c = 0; c < columns; c++) {
            std::string value, printed;
            fields >> value >> printed;
            cells.push_back({strtold(value.c_str(), nullptr), printed});
        }
    }
    return rows;
}

// The cell as the writer prints it, without its leading blanks.
inline std::string printed_cell(long double value)
{
    char cell[CELL_BUF_SIZE];
    format_coefficient(cell, value);
    std::string text = cell;
    return text.substr(text.find_first_not_of(' '));
}
