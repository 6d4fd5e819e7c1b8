// libFuzzer target: salvenor.ini of arbitrary bytes must parse without reading out of bounds or
// crashing, and whatever it yields must be written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using salvenor::SettingsFile;
    const auto values =
        SettingsFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    // Keys and values the format cannot carry (line breaks in a key, a key that is only a group)
    // cannot come out of a parse, so everything parsed must survive a round trip.
    if (SettingsFile::Parse(SettingsFile::Format(values)) != values) {
        std::abort();
    }
    return 0;
}
