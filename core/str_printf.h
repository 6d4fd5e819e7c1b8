// printf-style formatting into a std::string, for the texts whose patterns are printf patterns
// ("%d:%02d %s", "%d of %s, %d").
#pragma once

#include <string>

namespace salvenor {

std::string StrPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace salvenor
