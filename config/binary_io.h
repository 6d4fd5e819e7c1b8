// The small binary-file module of the configuration file and the city database: little-endian
// integers and doubles, counted strings, exact reads (a short read is fatal: the disk-read
// message, then exit code 1) and the atomic replacement of a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/message_boxes.h"

namespace salvenor {

struct FileCloser {
    void operator()(std::FILE* f) const noexcept {
        if (f != nullptr) {
            std::fclose(f);
        }
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file with fopen's mode; empty when it cannot be opened.
FilePtr OpenFile(const std::string& path, const char* mode);

// Opens a file for reading only when it is a regular file, and without waiting on what is not one
// (a FIFO with no writer, a device): the open does not block, and anything but a regular file is
// closed again at once. Empty on failure; `notRegular` (when given) tells a file that opened but
// is not a regular one from one that did not open (errno then says why).
FilePtr OpenRegularFile(const std::string& path, bool* notRegular = nullptr);

// Moves the file at `path` to the first free name of "<path><suffix>", "<path><suffix>-2",
// "<path><suffix>-3", ... in the same folder, never over an existing file. The new path, or
// empty when the file could not be moved.
std::optional<std::string> MoveFileAside(const std::string& path, const std::string& suffix);

// Little-endian decoding of in-memory bytes.
std::uint32_t DecodeU32(const unsigned char* bytes);
double DecodeF64(const unsigned char* bytes);

// Little-endian encodings appended to a byte buffer.
void AppendU8(std::string& out, std::uint8_t value);
void AppendU32(std::string& out, std::uint32_t value);
void AppendI32(std::string& out, std::int32_t value);
void AppendF64(std::string& out, double value);
// The count (unsigned 32-bit, the text's length) and then the bytes, no terminator.
void AppendCountedString(std::string& out, std::string_view text);

// Reads from an open file (not owned) whose size is taken once, at construction.
class ExactReader {
  public:
    ExactReader(std::FILE* file, MessageBoxes& boxes);

    // Reads exactly `count` bytes, or shows the disk-read message and ends the process with
    // exit code 1.
    void ReadExact(void* buffer, std::size_t count);

    // An unsigned 32-bit little-endian count, then that many bytes; the text ends at the first
    // zero byte among them. A count beyond the bytes left in the file is a short read: nothing is
    // allocated for it. The second form reuses the storage of `text`.
    std::string ReadCountedString();
    void ReadCountedString(std::string& text);

    std::uint8_t ReadU8();
    std::uint32_t ReadU32();
    std::int32_t ReadI32();
    double ReadF64();

    // Moves to an absolute offset; an offset past the end leaves the reader at its end.
    void Seek(std::uint64_t offset);
    std::uint64_t position() const { return position_; }
    std::uint64_t size() const { return size_; }
    bool AtEnd() const { return position_ >= size_; }

  private:
    [[noreturn]] void Fail();

    std::FILE* file_;
    MessageBoxes& boxes_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

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
