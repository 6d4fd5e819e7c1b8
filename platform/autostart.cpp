// The autostart entry: where it lives, whether it starts Salvenor, writing and removing it.
#include "platform/autostart.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "base/atomic_file.h"
#include "base/file_reading.h"
#include "base/text.h"
#include "platform/salvenor_desktop_entry.h"

namespace salvenor {
namespace {

constexpr std::string_view EntryFileName = "salvenor.desktop";
// Far more than any desktop entry holds.
constexpr std::size_t MaxEntryBytes = 64 * 1024;

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string AutostartEntryPath() {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
    std::string config = EnvironmentValue("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/') {
        const std::string home = EnvironmentValue("HOME");
        if (home.empty()) {
            return {};
        }
        config = home + "/.config";
    }
    return config + "/autostart/" + std::string(EntryFileName);
}

std::string_view AutostartEntryText() {
    return DesktopEntryText;
}

bool AutostartEntryStarts(std::string_view text) {
    bool inMainGroup = false;
    bool sawMainGroup = false;
    bool starts = true;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            inMainGroup = line == "[Desktop Entry]";
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        const auto equals = line.find('=');
        if (!inMainGroup || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        if ((key == "Hidden" && value == "true") ||
            (key == "X-GNOME-Autostart-enabled" && value == "false")) {
            starts = false;
        }
    }
    return sawMainGroup && starts;
}

bool AutostartEnabled() {
    const std::string path = AutostartEntryPath();
    if (path.empty()) {
        return false;
    }
    // An entry is a few hundred bytes; a folder, a FIFO or a huge file in its place is none.
    const std::optional<std::string> text = ReadSmallFile(path, MaxEntryBytes);
    return text && AutostartEntryStarts(*text);
}

bool SetAutostart(bool on) {
    const std::string path = AutostartEntryPath();
    if (path.empty()) {
        return false;
    }
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!on) {
        fs::remove(path, ec);
        return !ec && !fs::exists(fs::symlink_status(path, ec));
    }
    if (AutostartEnabled()) {
        return true;
    }
    const fs::path folder = fs::path(path).parent_path();
    fs::create_directories(folder, ec);
    if (ec) {
        return false;
    }
    // Replaced as a whole, so the session never reads half an entry.
    return ReplaceFileAtomically(path, AutostartEntryText()) && AutostartEnabled();
}

}  // namespace salvenor
