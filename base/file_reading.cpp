// Regular-file opening, bounded reads and the exact reader.
#include "base/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "base/binary_coding.h"
#include "base/fatal_exit.h"

namespace salvenor {

FilePtr OpenFile(const std::string& path, const char* mode) {
    return FilePtr(std::fopen(path.c_str(), mode));
}

PathKind KindOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return PathKind::Missing;
    }
    return S_ISREG(st.st_mode) ? PathKind::RegularFile : PathKind::Other;
}

FilePtr OpenRegularFile(const std::string& path, PathKind* kind) {
    PathKind found = PathKind::Missing;
    // O_NONBLOCK keeps the open of a FIFO without a writer from waiting; the descriptor's kind is
    // then checked on the file actually opened, so nothing can be swapped in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    FilePtr file;
    if (fd >= 0) {
        struct stat st {};
        found =
            ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? PathKind::RegularFile : PathKind::Other;
        const int flags = ::fcntl(fd, F_GETFL);
        if (found == PathKind::RegularFile && flags >= 0 &&
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) {
            file.reset(::fdopen(fd, "rb"));
        }
        if (!file) {
            ::close(fd);
        }
    } else {
        // The caller may tell a missing file from a forbidden one by errno: keep the open's.
        const int cause = errno;
        found = KindOf(path);
        errno = cause;
    }
    if (kind != nullptr) {
        *kind = found;
    }
    return file;
}

std::optional<FileHead> ReadFileHead(const std::string& path, std::size_t maxBytes) {
    const FilePtr file = OpenRegularFile(path);
    if (!file) {
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(::fileno(file.get()), &st) != 0 || st.st_size < 0) {
        return std::nullopt;
    }
    FileHead head;
    head.size = static_cast<std::uint64_t>(st.st_size);
    head.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(head.size, maxBytes)));
    const std::size_t got = std::fread(head.bytes.data(), 1, head.bytes.size(), file.get());
    if (got != head.bytes.size()) {
        return std::nullopt;
    }
    return head;
}

std::optional<std::string> ReadSmallFile(const std::string& path, std::size_t maxBytes) {
    auto head = ReadFileHead(path, maxBytes);
    if (!head || head->size > maxBytes) {
        return std::nullopt;
    }
    return std::move(head->bytes);
}

ExactReader::ExactReader(std::FILE* file, MessageBoxes& boxes, std::string_view shortReadMessage)
    : file_(file), boxes_(boxes), shortReadMessage_(shortReadMessage) {
    const long start = std::ftell(file_);
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        const long end = std::ftell(file_);
        size_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    }
    position_ = start > 0 ? static_cast<std::uint64_t>(start) : 0;
    std::fseek(file_, start > 0 ? start : 0, SEEK_SET);
}

void ExactReader::Fail() {
    boxes_.show(shortReadMessage_, MessageIcon::None);
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
    std::string text;
    ReadCountedString(text);
    return text;
}

void ExactReader::ReadCountedString(std::string& text) {
    const std::uint32_t count = ReadU32();
    if (count > size_ - std::min(size_, position_)) {
        Fail();
    }
    text.resize(count);
    ReadExact(text.data(), count);
    const auto zero = text.find('\0');
    if (zero != std::string::npos) {
        text.resize(zero);
    }
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
    return DecodeF64(b);
}

void ExactReader::Seek(std::uint64_t offset) {
    if (offset > size_) {
        offset = size_;
    }
    std::fseek(file_, static_cast<long>(offset), SEEK_SET);
    position_ = offset;
}

}  // namespace salvenor
