// Exact reads and checked writes.
#include "config/binary_io.h"

#include <algorithm>
#include <bit>

#include "core/texts.h"
#include "platform/fatal_exit.h"

namespace salvenor {

FilePtr OpenFile(const std::string& path, const char* mode) {
    return FilePtr(std::fopen(path.c_str(), mode));
}

std::uint32_t DecodeU32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void EncodeU32(std::uint32_t v, unsigned char* bytes) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFFu);
    }
}

ExactReader::ExactReader(std::FILE* file, MessageBoxes& boxes) : file_(file), boxes_(boxes) {
    const long start = std::ftell(file_);
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        const long end = std::ftell(file_);
        size_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    }
    position_ = start > 0 ? static_cast<std::uint64_t>(start) : 0;
    std::fseek(file_, start > 0 ? start : 0, SEEK_SET);
}

void ExactReader::Fail() {
    boxes_.show(texts::DiskReadError, MessageIcon::None);
    fatalExit(1);
}

void ExactReader::ReadExact(void* buffer, std::size_t count) {
    if (count == 0) {
        return;
    }
    const std::size_t got = std::fread(buffer, 1, count, file_);
    position_ += got;
    if (got != count) {
        Fail();
    }
}

std::string ExactReader::ReadCountedString() {
    const std::uint32_t count = ReadU32();
    if (count > size_ - std::min(size_, position_)) {
        Fail();
    }
    std::string text(count, '\0');
    ReadExact(text.data(), count);
    const auto zero = text.find('\0');
    if (zero != std::string::npos) {
        text.resize(zero);
    }
    return text;
}

std::uint8_t ExactReader::ReadU8() {
    unsigned char b = 0;
    ReadExact(&b, 1);
    return b;
}

std::uint32_t ExactReader::ReadU32() {
    unsigned char b[4] = {};
    ReadExact(b, 4);
    return DecodeU32(b);
}

std::int32_t ExactReader::ReadI32() {
    return static_cast<std::int32_t>(ReadU32());
}

double ExactReader::ReadF64() {
    unsigned char b[8] = {};
    ReadExact(b, 8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | b[i];
    }
    return std::bit_cast<double>(bits);
}

void ExactReader::Seek(std::uint64_t offset) {
    if (offset > size_) {
        offset = size_;
    }
    std::fseek(file_, static_cast<long>(offset), SEEK_SET);
    position_ = offset;
}

bool CheckedWriter::WriteChecked(const void* buffer, std::size_t count) {
    if (failed_) {
        return false;
    }
    if (count != 0 && std::fwrite(buffer, 1, count, file_) != count) {
        failed_ = true;
    }
    return !failed_;
}

void CheckedWriter::WriteCountedString(std::string_view text) {
    WriteU32(static_cast<std::uint32_t>(text.size()));
    WriteChecked(text.data(), text.size());
}

void CheckedWriter::WriteU8(std::uint8_t v) {
    WriteChecked(&v, 1);
}

void CheckedWriter::WriteU32(std::uint32_t v) {
    unsigned char b[4];
    EncodeU32(v, b);
    WriteChecked(b, 4);
}

void CheckedWriter::WriteI32(std::int32_t v) {
    WriteU32(static_cast<std::uint32_t>(v));
}

void CheckedWriter::WriteF64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    unsigned char b[8];
    for (int i = 0; i < 8; ++i) {
        b[i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xFFu);
    }
    WriteChecked(b, 8);
}

}  // namespace salvenor
