// Stored paths keep the installation's historical form (".\Athan\Athan-1.wav"); this turns one
// into a native path relative to the working directory when a file is opened.
#pragma once

#include <string>
#include <string_view>

namespace salvenor {

// Backslashes become the native separator; ".\" and "..\" prefixes keep their meaning.
std::string NativePath(std::string_view stored);

}  // namespace salvenor
