// The single-copy guard: an exclusive lock on a file, and a local socket through which a later
// start reaches the running copy.
#include "app/single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace salvenor {

namespace {

// What the running copy answers once it has come forward.
constexpr char Answer[] = "ok\n";
constexpr int RetryPauseMs = 50;

std::uint64_t Fnv1a(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string Hex16(std::uint64_t value) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i) {
        out[static_cast<std::size_t>(i)] = Digits[value & 0xF];
        value >>= 4;
    }
    return out;
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

// Fills a socket address; false when the path does not fit.
bool SocketAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() > MaxSocketPathLength || path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

// The same file (device and inode) as the path names now.
bool StillNamedBy(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

std::string InstanceName(unsigned uid, const std::string& canonicalFolder) {
    return "salvenor-" + std::to_string(uid) + "-" + Hex16(Fnv1a(canonicalFolder));
}

InstancePaths PlanInstancePaths(const std::string& runtimeFolder, const std::string& tempFolder,
                                unsigned uid, const std::string& canonicalFolder) {
    const std::string name = InstanceName(uid, canonicalFolder);
    const auto in = [&name](const std::string& folder) {
        const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
        return InstancePaths{base + name + ".lock", base + name + ".socket"};
    };
    if (!runtimeFolder.empty()) {
        InstancePaths paths = in(runtimeFolder);
        if (paths.socket.size() <= MaxSocketPathLength) {
            return paths;
        }
    }
    return in(tempFolder);
}

InstancePaths InstancePathsFor(const std::string& installationFolder) {
    std::error_code ec;
    std::filesystem::path canonical = std::filesystem::canonical(installationFolder, ec);
    if (ec) {
        canonical = installationFolder;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string runtimeFolder = runtime != nullptr && IsDirectory(runtime) ? runtime : "";
    std::string tempFolder = std::filesystem::temp_directory_path(ec).string();
    if (ec || tempFolder.empty()) {
        tempFolder = "/tmp";
    }
    return PlanInstancePaths(runtimeFolder, tempFolder, static_cast<unsigned>(::getuid()),
                             canonical.string());
}

CSingleInstance::CSingleInstance(InstancePaths paths, QObject* parent)
    : QObject(parent), paths_(std::move(paths)) {}

CSingleInstance::~CSingleInstance() {
    if (serverFd_ >= 0) {
        ::close(serverFd_);
        ::unlink(paths_.socket.c_str());
    }
    if (lockFd_ >= 0) {
        // Unlinked while still locked: a start that opened the old file finds, once it gets the
        // lock, that the path names another file now, and starts over.
        ::unlink(paths_.lock.c_str());
        ::close(lockFd_);
    }
}

CSingleInstance::Claim CSingleInstance::ClaimOrActivate(int waitMs) {
    switch (TakeLock()) {
        case LockResult::Owned:
            Listen();
            return Claim::First;
        case LockResult::Unusable:
            return Claim::Unguarded;
        case LockResult::Held:
            break;
    }
    answered_ = AskRunningCopy(waitMs);
    return Claim::AnotherRuns;
}

CSingleInstance::LockResult CSingleInstance::TakeLock() {
    // A few rounds: the file may be replaced between the open and the lock by a copy that ends.
    for (int round = 0; round < 8; ++round) {
        const int fd = ::open(paths_.lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                              S_IRUSR | S_IWUSR);
        if (fd < 0) {
            return LockResult::Unusable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EINTR) {
                continue;
            }
            return error == EWOULDBLOCK ? LockResult::Held : LockResult::Unusable;
        }
        if (StillNamedBy(fd, paths_.lock)) {
            lockFd_ = fd;
            return LockResult::Owned;
        }
        ::close(fd);
    }
    return LockResult::Unusable;
}

void CSingleInstance::Listen() {
    sockaddr_un address{};
    if (!SocketAddress(paths_.socket, address)) {
        return;
    }
    // Holding the lock, any socket file there is left from a copy that was killed.
    ::unlink(paths_.socket.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(paths_.socket.c_str(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    serverFd_ = fd;
    notifier_ = new QSocketNotifier(static_cast<qintptr>(fd), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &CSingleInstance::OnIncoming);
}

void CSingleInstance::OnIncoming() {
    for (;;) {
        const int client = ::accept4(serverFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        // Only the same user's starts may call the bar forward.
        ucred peer{};
        socklen_t size = sizeof peer;
        const bool sameUser = ::getsockopt(client, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
                              peer.uid == ::getuid();
        if (sameUser) {
            emit activationRequested();
            const ssize_t sent = ::send(client, Answer, sizeof Answer - 1, MSG_NOSIGNAL);
            (void)sent;  // a start that has gone already needs no answer
        }
        ::close(client);
    }
}

bool CSingleInstance::AskRunningCopy(int waitMs) {
    sockaddr_un address{};
    if (!SocketAddress(paths_.socket, address)) {
        return false;
    }
    const QDeadlineTimer deadline(waitMs);
    // The copy holding the lock may not be listening yet when both start at once: try again
    // until the time is up.
    while (!deadline.hasExpired()) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return false;
        }
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            std::string reply(sizeof Answer - 1, '\0');
            std::size_t got = 0;
            while (got < reply.size() && !deadline.hasExpired()) {
                pollfd wait{fd, POLLIN, 0};
                const int ready = ::poll(&wait, 1, static_cast<int>(deadline.remainingTime()));
                if (ready < 0 && errno == EINTR) {
                    continue;
                }
                if (ready <= 0) {
                    break;
                }
                const ssize_t n = ::read(fd, reply.data() + got, reply.size() - got);
                if (n <= 0) {
                    break;
                }
                got += static_cast<std::size_t>(n);
            }
            ::close(fd);
            return got == reply.size() && reply == Answer;
        }
        ::close(fd);
        QThread::msleep(RetryPauseMs);
    }
    return false;
}

}  // namespace salvenor
