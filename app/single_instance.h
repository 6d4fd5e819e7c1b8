// One running copy per user and installation folder. The first copy holds an exclusive lock on a
// small file (the kernel lets it go when the process ends in any way, SIGKILL included) and
// listens on a local socket beside it; a later start finds the lock taken, connects, which asks
// the running copy to bring its bar forward, and ends.
#pragma once

#include <QObject>
#include <string>

class QSocketNotifier;

namespace salvenor {

// Where the lock file and the socket of one installation folder live.
struct InstancePaths {
    std::string lock;
    std::string socket;
};

// "salvenor-<uid>-<16 hex digits of a hash of the folder>": one name a user and folder.
std::string InstanceName(unsigned uid, const std::string& canonicalFolder);

// A local socket's path must fit the socket address (107 bytes and the terminator).
inline constexpr std::size_t MaxSocketPathLength = 107;

// The paths in the user's runtime folder when there is one (private to the user) and the socket's
// path fits there; otherwise in the temporary folder.
InstancePaths PlanInstancePaths(const std::string& runtimeFolder, const std::string& tempFolder,
                                unsigned uid, const std::string& canonicalFolder);

// The paths for the current user and `installationFolder`, from the environment.
InstancePaths InstancePathsFor(const std::string& installationFolder);

class CSingleInstance final : public QObject {
    Q_OBJECT

  public:
    enum class Claim {
        First,        // this copy runs; later starts reach it
        Unguarded,    // the lock file cannot be used: this copy runs without the guard
        AnotherRuns,  // a copy runs already and has been asked to come forward
    };

    explicit CSingleInstance(InstancePaths paths, QObject* parent = nullptr);
    ~CSingleInstance() override;
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // Takes the lock and starts listening, or, when another copy holds it, asks that copy to come
    // forward, waiting at most `waitMs` for its answer.
    Claim ClaimOrActivate(int waitMs = 1500);

    // True when the running copy answered the last activation request.
    bool answered() const { return answered_; }

  signals:
    // A later start asked this copy to come forward.
    void activationRequested();

  private:
    enum class LockResult { Owned, Held, Unusable };
    LockResult TakeLock();
    void Listen();
    bool AskRunningCopy(int waitMs);
    void OnIncoming();

    const InstancePaths paths_;
    int lockFd_ = -1;
    int serverFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    bool answered_ = false;
};

}  // namespace salvenor
