// The tour's own installation folder: made from the staged one, with a fixed configuration, so
// that every run shows the same place and the staged folder is never written.
#pragma once

#include <filesystem>
#include <string>

namespace salvenor::tour {

// Fills the empty folder `target` from `stage`: its folders copied (the program writes pages
// there), its files linked, and no configuration or own settings of an earlier run. Returns an
// empty text, or what went wrong.
std::string PrepareInstallation(const std::filesystem::path& stage,
                                const std::filesystem::path& target);

// Saves the tour's configuration into the folder: Cairo, Egypt, the zone given, the chime long
// since played. Returns an empty text, or what went wrong.
std::string WriteTourConfig(const std::filesystem::path& target);

}  // namespace salvenor::tour
