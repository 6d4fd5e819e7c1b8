// The single-copy guard in this process: its names and paths, the lock taken once, a socket file
// left by a killed copy, and the files gone when the running copy ends.
#include "app/single_instance.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace salvenor {
namespace {

TEST(InstanceName, OneNameAUserAndFolder) {
    const std::string a = InstanceName(1000, "/home/a/.local/share/salvenor");
    EXPECT_EQ(a.rfind("salvenor-1000-", 0), 0u) << a;
    EXPECT_EQ(a.size(), std::string("salvenor-1000-").size() + 16);
    EXPECT_EQ(a, InstanceName(1000, "/home/a/.local/share/salvenor"));
    EXPECT_NE(a, InstanceName(1001, "/home/a/.local/share/salvenor"));
    EXPECT_NE(a, InstanceName(1000, "/home/a/.local/share/salvenor2"));
    // FNV-1a of the empty text is its offset basis.
    EXPECT_EQ(InstanceName(0, ""), "salvenor-0-cbf29ce484222325");
}

struct PlanCase {
    const char* name;
    std::string runtime;
    std::string expectedFolder;
};

class PlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PlanTest, RuntimeFolderWhenThereIsOneAndTheSocketFits) {
    const PlanCase& c = GetParam();
    const InstancePaths paths = PlanInstancePaths(c.runtime, "/tmp", 7, "/opt/salvenor");
    const std::string name = InstanceName(7, "/opt/salvenor");
    EXPECT_EQ(paths.lock, c.expectedFolder + "/" + name + ".lock");
    EXPECT_EQ(paths.socket, c.expectedFolder + "/" + name + ".socket");
    EXPECT_LE(paths.socket.size(), MaxSocketPathLength);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, PlanTest,
    ::testing::Values(PlanCase{"Runtime", "/run/user/7", "/run/user/7"},
                      PlanCase{"RuntimeWithSlash", "/run/user/7/", "/run/user/7"},
                      PlanCase{"NoRuntime", "", "/tmp"},
                      PlanCase{"RuntimeTooDeep", "/" + std::string(90, 'r'), "/tmp"}),
    [](const auto& info) { return std::string(info.param.name); });

class SingleInstanceTest : public ::testing::Test {
  protected:
    InstancePaths Paths() const {
        const std::string base = dir.path().toStdString() + "/guard";
        return {base + ".lock", base + ".socket"};
    }
    static bool Exists(const std::string& path) {
        std::error_code ec;
        return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
    }
    QTemporaryDir dir;
};

TEST_F(SingleInstanceTest, SecondClaimFindsTheFirstAndTheEndFreesIt) {
    {
        CSingleInstance first(Paths());
        ASSERT_EQ(first.ClaimOrActivate(), CSingleInstance::Claim::First);
        EXPECT_TRUE(Exists(Paths().lock));
        EXPECT_TRUE(Exists(Paths().socket));

        // In one thread the first cannot answer while the second waits: it only finds it there.
        CSingleInstance second(Paths());
        EXPECT_EQ(second.ClaimOrActivate(50), CSingleInstance::Claim::AnotherRuns);
        EXPECT_FALSE(second.answered());
    }
    EXPECT_FALSE(Exists(Paths().lock));
    EXPECT_FALSE(Exists(Paths().socket));
    CSingleInstance next(Paths());
    EXPECT_EQ(next.ClaimOrActivate(), CSingleInstance::Claim::First);
}

TEST_F(SingleInstanceTest, FilesLeftByAKilledCopyDoNotBlock) {
    // A killed copy leaves its lock file (unlocked) and a socket nobody listens on.
    std::ofstream(Paths().lock) << "";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    Paths().socket.copy(address.sun_path, Paths().socket.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(Exists(Paths().socket));

    CSingleInstance start(Paths());
    EXPECT_EQ(start.ClaimOrActivate(), CSingleInstance::Claim::First);
    int activations = 0;
    QObject::connect(&start, &CSingleInstance::activationRequested, [&] { ++activations; });

    // The new socket answers: a client connecting is a request to come forward.
    const int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    QCoreApplication::processEvents();
    std::string reply(3, '\0');
    EXPECT_EQ(::read(client, reply.data(), reply.size()), 3);
    EXPECT_EQ(reply, "ok\n");
    ::close(client);
    EXPECT_EQ(activations, 1);
}

TEST_F(SingleInstanceTest, UnusableLockFolderRunsUnguarded) {
    CSingleInstance start({dir.path().toStdString() + "/missing/guard.lock",
                           dir.path().toStdString() + "/missing/guard.socket"});
    EXPECT_EQ(start.ClaimOrActivate(), CSingleInstance::Claim::Unguarded);
}

}  // namespace
}  // namespace salvenor
