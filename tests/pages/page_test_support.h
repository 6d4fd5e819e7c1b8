// What the page tests share beyond tests/support: the installation folder and reader come from
// there; the lines of a page written.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/installation_folder.h"

namespace salvenor::testing {

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace salvenor::testing
