// Small helpers for the text lines of the files we read (desktop entries, salvenor.ini).
#pragma once

#include <string_view>

namespace salvenor {

// `s` without the blanks, tabs and carriage returns at either end.
inline std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace salvenor
