// Reading the files users and the installation hand us: files opened only when they are regular
// files (a FIFO or a device in a data file's place would block or never end), bounded whole-file
// reads, and the exact reader of the binary formats, whose short read is fatal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/messages.h"

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

// What a path names, without following it further than stat does.
enum class PathKind { Missing, RegularFile, Other };
PathKind KindOf(const std::string& path);

// Opens a file for reading in binary, but only a regular file, and without waiting: a FIFO, a
// socket or a device in its place is refused at once, as is a missing or unreadable file.
// `kind`, when given, says what the path named.
FilePtr OpenRegularFile(const std::string& path, PathKind* kind = nullptr);

// The first `maxBytes` bytes of a regular file and its full size; nothing when it is not a
// readable regular file. Never allocates more than the file holds.
struct FileHead {
    std::string bytes;
    std::uint64_t size = 0;
};
std::optional<FileHead> ReadFileHead(const std::string& path, std::size_t maxBytes);

// The whole of a regular file of at most `maxBytes` bytes; nothing when it is larger, missing,
// unreadable or not a regular file.
std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes);

// Reads from an open file (not owned) whose size is taken once, at construction. A read that
// cannot be satisfied shows `shortReadMessage` through `boxes` and ends the process with exit
// code 1 (fatalExit).
class ExactReader {
  public:
    ExactReader(std::FILE* file, MessageBoxes& boxes, std::string_view shortReadMessage);

    // Reads exactly `count` bytes, or reports and ends the process.
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
    std::string shortReadMessage_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

}  // namespace salvenor
