// Stored paths to native ones.
#include "core/paths.h"

#include <algorithm>

namespace salvenor {

std::string NativePath(std::string_view stored) {
    std::string out(stored);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

}  // namespace salvenor
