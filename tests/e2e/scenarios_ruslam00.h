// The end-to-end checks of ruslam00, which has its own window and no degree
// list: run after the file cases.
#pragma once

#include <string>

// cases_path: the file-case table, whose folder's parent holds data\ruslam00.
void run_ruslam00_scenarios(const std::string &cases_path);
