// Exact reads and checked writes of the little-endian binary files (the configuration file and the
// city database). A short read is fatal: the disk-read message, then exit code 1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
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

// Reads from an open file (not owned) whose size is taken once, at construction.
class ExactReader {
  public:
    ExactReader(std::FILE* file, MessageBoxes& boxes);

    // Reads exactly `count` bytes, or shows the disk-read message and ends the process with
    // exit code 1.
    void ReadExact(void* buffer, std::size_t count);

    // An unsigned 32-bit little-endian count, then that many bytes; the text ends at the first
    // zero byte among them. A count beyond the bytes left in the file is a short read: nothing is
    // allocated for it.
    std::string ReadCountedString();

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

// Writes to an open file (not owned); remembers whether any write failed. After a failure the
// remaining writes are skipped, since the content can no longer be right.
class CheckedWriter {
  public:
    explicit CheckedWriter(std::FILE* file) : file_(file) {}

    bool WriteChecked(const void* buffer, std::size_t count);
    // The count (the string's length) and then the characters.
    void WriteCountedString(std::string_view text);
    void WriteU8(std::uint8_t v);
    void WriteU32(std::uint32_t v);
    void WriteI32(std::int32_t v);
    void WriteF64(double v);

    bool failed() const { return failed_; }

  private:
    std::FILE* file_;
    bool failed_ = false;
};

// Little-endian encoding helpers for in-memory buffers.
std::uint32_t DecodeU32(const unsigned char* bytes);
void EncodeU32(std::uint32_t v, unsigned char* bytes);

}  // namespace salvenor
