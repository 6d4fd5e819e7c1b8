// Replacing a file atomically: a reader meets either the old content or the new, never a part,
// and a failed save leaves the old file as it was.
#pragma once

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

}  // namespace salvenor
