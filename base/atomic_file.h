// Replacing a file atomically: a reader meets either the old content or the new, never a part,
// and a failed save leaves the old file as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace salvenor {

// Replaces the file at `path` with `bytes` so that a reader meets either the old content or the
// new, never a part: the bytes go to a temporary file of a name no other save uses
// ("<name>.saving-XXXXXX") in the same folder, are flushed to the disk and renamed over the file.
// A symbolic link is followed, so its target is replaced and the link stays. An existing file
// keeps its mode (and, for root, its owner); a new one gets 0666 less the umask. Temporaries that
// a killed save left behind are removed first; those of a save still running are not. On failure
// the old file is untouched, no temporary is left, and `error` (when given) says why.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::string* error = nullptr);

// The name pattern of those temporaries, for `path`'s file name: "<name>.saving-".
std::string SavingPrefixFor(const std::string& fileName);

// Moves the file at `path` to the first free name of "<path><suffix>", "<path><suffix>-2",
// "<path><suffix>-3", ... in the same folder, never over an existing file. The new path, or
// empty when the file could not be moved.
std::optional<std::string> MoveFileAside(const std::string& path, const std::string& suffix);

}  // namespace salvenor
