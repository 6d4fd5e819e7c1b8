// What an installed tree must hold, shared by the install tree's and the package's tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "tests/support/files.h"

namespace salvenor::testing {

enum class Kind { File, Program, Folder, Link };

struct InstalledPath {
    std::string path;  // below the prefix
    Kind kind;
    std::string linkTarget;  // for links
};

inline std::vector<InstalledPath> ExpectedInstalledPaths() {
    std::vector<InstalledPath> paths = {
        {"bin/salvenor", Kind::Link, "../lib/salvenor/salvenor"},
        {"bin/salvenor-cli", Kind::Link, "../lib/salvenor/salvenor-cli"},
        {"lib/salvenor/salvenor", Kind::Program, ""},
        {"lib/salvenor/salvenor-app", Kind::Program, ""},
        {"lib/salvenor/salvenor-cli", Kind::Program, ""},
        {"lib/salvenor/AlSalah.wav", Kind::File, ""},
        {"lib/salvenor/Athan/Athan-1.wav", Kind::File, ""},
        {"lib/salvenor/Athan/athanFajr.wav", Kind::File, ""},
        {"lib/salvenor/Calendar/Hijri/Month/month_hijri.htm", Kind::File, ""},
        {"lib/salvenor/Calendar/Meladi/Month/month_meladi.htm", Kind::File, ""},
        {"lib/salvenor/Calendar/SalaTimeDlg/HTML/PryerTime_Template_e.htm", Kind::File, ""},
        {"lib/salvenor/Calendar/Trailers/occasion.txt", Kind::File, ""},
        {"lib/salvenor/Calendar/TEMP", Kind::Folder, ""},
        {"lib/salvenor/Calendar/Output", Kind::Folder, ""},
        {"lib/salvenor/Calendar/SalaTimeDlg/HTML/tmp", Kind::Folder, ""},
        {"share/applications/salvenor.desktop", Kind::File, ""},
        {"share/metainfo/org.salvenor.Salvenor.metainfo.xml", Kind::File, ""},
        {"share/icons/hicolor/scalable/apps/salvenor.svg", Kind::File, ""},
        {"share/doc/salvenor/copyright", Kind::File, ""},
        {"share/doc/salvenor/changelog.gz", Kind::File, ""},
    };
    if (SALVENOR_WITH_CITYDB) {
        paths.push_back({"lib/salvenor/world.sum", Kind::File, ""});
        paths.push_back({"lib/salvenor/IndexWorld.zav", Kind::File, ""});
    }
    // Each shipped language: its translation and its copies of the page templates.
    for (const std::string language : {"ar", "ur", "id", "tr", "fr", "ms"}) {
        const std::string calendar = "lib/salvenor/Calendar/";
        for (const std::string& file :
             {"lib/salvenor/translations/salvenor_" + language + ".qm",
              calendar + "SalaTimeDlg/HTML/" + language + "/PryerTime_Template_e.htm",
              calendar + "Hijri/Month/" + language + "/month_hijri.htm",
              calendar + "Meladi/Month/" + language + "/month_meladi.htm",
              calendar + "Trailers/" + language + "/occasion.txt"}) {
            paths.push_back({file, Kind::File, ""});
        }
    }
    for (const int size : {SALVENOR_ICON_SIZES}) {
        const std::string s = std::to_string(size);
        paths.push_back(
            {"share/icons/hicolor/" + s + "x" + s + "/apps/salvenor.png", Kind::File, ""});
    }
    return paths;
}

// Paths an installation must never hold: what the program writes, and build leftovers.
inline std::vector<std::string> ForbiddenInstalledPaths() {
    return {"lib/salvenor/zav.cfg", "lib/salvenor/CMakeLists.txt",
            "lib/salvenor/Calendar/Hijri/Month/ZavCalMonth_argd.htm",
            "lib/salvenor/Calendar/Meladi/Month/ZavCalMonth_argd.htm", "lib/salvenor/citydb-build"};
}

// A PNG's width and height from its header; {0, 0} when it is not a PNG.
inline std::pair<std::uint32_t, std::uint32_t> PngSize(const std::string& bytes) {
    static const std::string signature("\x89PNG\r\n\x1a\n", 8);
    if (bytes.size() < 24 || bytes.compare(0, 8, signature) != 0 ||
        bytes.compare(12, 4, "IHDR") != 0) {
        return {0, 0};
    }
    const auto be32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
        }
        return v;
    };
    return {be32(16), be32(20)};
}

// The keys of a desktop entry's [Desktop Entry] group.
inline std::map<std::string, std::string> DesktopEntryKeys(const std::string& text) {
    std::map<std::string, std::string> keys;
    bool inMain = false;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.front() == '[') {
            inMain = line == "[Desktop Entry]";
        } else if (inMain && line.find('=') != std::string::npos) {
            const std::size_t eq = line.find('=');
            keys[line.substr(0, eq)] = line.substr(eq + 1);
        }
    }
    return keys;
}

inline bool CommandExists(const std::string& name) {
    for (const char* dir : {"/usr/bin", "/bin", "/usr/local/bin"}) {
        if (std::filesystem::exists(std::filesystem::path(dir) / name)) {
            return true;
        }
    }
    return false;
}

}  // namespace salvenor::testing
