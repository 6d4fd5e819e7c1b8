// Exact reads, little-endian encodings and atomic file replacement.
#include "config/binary_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include "core/texts.h"
#include "platform/fatal_exit.h"

namespace salvenor {

FilePtr OpenFile(const std::string& path, const char* mode) {
    return FilePtr(std::fopen(path.c_str(), mode));
}

FilePtr OpenRegularFile(const std::string& path, bool* notRegular) {
    if (notRegular != nullptr) {
        *notRegular = false;
    }
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        if (notRegular != nullptr) {
            *notRegular = true;
        }
        return {};
    }
    // A regular file never blocks; its reads go on in the ordinary way.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    FilePtr file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
    }
    return file;
}

std::optional<std::string> MoveFileAside(const std::string& path, const std::string& suffix) {
    for (int n = 1; n < 1000; ++n) {
        const std::string aside = path + suffix + (n == 1 ? "" : "-" + std::to_string(n));
        // RENAME_NOREPLACE: an earlier copy of the same name is never overwritten, even by a
        // racing move.
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) {
            return aside;
        }
        if (errno == EINVAL || errno == ENOSYS) {
            // A file system without that flag: take the name only when nothing holds it.
            struct stat st {};
            if (::lstat(aside.c_str(), &st) == 0) {
                continue;
            }
            if (std::rename(path.c_str(), aside.c_str()) == 0) {
                return aside;
            }
            return std::nullopt;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::uint32_t DecodeU32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) |
           (static_cast<std::uint32_t>(bytes[3]) << 24);
}

double DecodeF64(const unsigned char* bytes) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | bytes[i];
    }
    return std::bit_cast<double>(bits);
}

void AppendU8(std::string& out, std::uint8_t value) {
    out.push_back(static_cast<char>(value));
}

void AppendU32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

void AppendI32(std::string& out, std::int32_t value) {
    AppendU32(out, static_cast<std::uint32_t>(value));
}

void AppendF64(std::string& out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFFu));
    }
}

void AppendCountedString(std::string& out, std::string_view text) {
    AppendU32(out, static_cast<std::uint32_t>(text.size()));
    out.append(text);
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

namespace {

namespace fs = std::filesystem;

// The file a chain of symbolic links ends at (the path itself when it is none); a dangling link
// gives the path it points to, which the save then creates.
fs::path ResolveLinks(fs::path path) {
    for (int hop = 0; hop < 40; ++hop) {  // the kernel's own limit
        std::error_code ec;
        if (!fs::is_symlink(path, ec)) {
            break;
        }
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) {
            break;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// A file descriptor closed at the end of the scope.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

// A save holds the lock of its temporary until it has renamed it; a temporary whose lock can be
// taken belongs to a save that was killed.
void RemoveStaleTemporaries(const std::string& folder, const std::string& prefix) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix) {
            continue;
        }
        const std::string path = folder + "/" + std::string(name);
        const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        if (fd.get() >= 0 && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            ::unlink(path.c_str());
        }
    }
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string SavingPrefixFor(const std::string& fileName) {
    return fileName + ".saving-";
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    const fs::path target = ResolveLinks(path);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    const std::string prefix = SavingPrefixFor(target.filename().string());
    const auto fail = [&](const char* what, const std::string& temporary) {
        const int cause = errno;
        if (!temporary.empty()) {
            ::unlink(temporary.c_str());
        }
        if (error != nullptr) {
            *error = std::string(what) + " " + target.string() + ": " + std::strerror(cause);
        }
        return false;
    };
    RemoveStaleTemporaries(folder, prefix);

    Descriptor fd;
    std::string temporary;
    for (int attempt = 0; attempt < 8 && fd.get() < 0; ++attempt) {
        std::string name = folder + "/" + prefix + "XXXXXX";
        Descriptor created(::mkostemp(name.data(), O_CLOEXEC));
        if (created.get() < 0) {
            return fail("cannot create a temporary file beside", {});
        }
        // Locked until it has been renamed. Another save's clean-up can only have removed it in
        // the moment before the lock was taken; then another name is tried.
        struct stat st {};
        if (::flock(created.get(), LOCK_EX) == 0 && ::fstat(created.get(), &st) == 0 &&
            st.st_nlink > 0) {
            temporary = name;
            fd.reset(created.release());
        }
    }
    if (fd.get() < 0) {
        return fail("cannot lock a temporary file beside", {});
    }

    struct stat old {};
    const bool existed = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    if (::fchmod(fd.get(), existed ? (old.st_mode & 07777) : NewFileMode()) != 0) {
        return fail("cannot set the mode of a temporary file beside", temporary);
    }
    if (existed && ::geteuid() == 0 && (old.st_uid != 0 || old.st_gid != 0)) {
        // Root saving a user's file leaves it the user's; without that right it stays root's.
        [[maybe_unused]] const int ignored = ::fchown(fd.get(), old.st_uid, old.st_gid);
    }
    if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) {
        return fail("cannot write", temporary);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        return fail("cannot replace", temporary);
    }
    // The rename itself reaches the disk with the folder.
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return true;
}

}  // namespace salvenor
