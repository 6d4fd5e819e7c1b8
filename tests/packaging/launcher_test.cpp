// The `salvenor` launcher on copies of an installation whose program is a stand-in script that
// reports its working directory, platform and arguments, and writes what the program writes.
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

namespace salvenor {
namespace {

namespace fs = std::filesystem;
using testing::CommandResult;
using testing::ReadText;
using testing::RunCommand;
using testing::ShellQuoted;
using testing::TempDir;
using testing::WriteText;

// The files the program writes in its working directory.
const std::vector<std::string> WrittenFiles = {
    "zav.cfg",
    "Calendar/Hijri/Month/ZavCalMonth_argd.htm",
    "Calendar/Meladi/Month/ZavCalMonth_argd.htm",
    "Calendar/TEMP/CalTempFile.html",
    "Calendar/Output/CalOutFile.html",
    "Calendar/SalaTimeDlg/HTML/tmp/TodaySalaTimes.htm",
};

// The shared files each user's folder links to.
const std::vector<std::string> SharedFiles = {
    "salvenor-app",
    "world.sum",
    "IndexWorld.zav",
    "AlSalah.wav",
    "Athan/Athan-1.wav",
    "Athan/athanFajr.wav",
    "Calendar/Hijri/Month/month_hijri.htm",
    "Calendar/Meladi/Month/month_meladi.htm",
    "Calendar/SalaTimeDlg/HTML/PryerTime_Template_e.htm",
    "Calendar/Trailers/occasion.txt",
};

const std::vector<std::string> RealFolders = {
    "Athan",
    "Calendar",
    "Calendar/Hijri/Month",
    "Calendar/Meladi/Month",
    "Calendar/TEMP",
    "Calendar/Output",
    "Calendar/SalaTimeDlg/HTML",
    "Calendar/SalaTimeDlg/HTML/tmp",
    "Calendar/Trailers",
};

// Like the program, the stand-in writes zav.cfg on its first run only, and writes its pages
// (removing the old file first) on every run.
constexpr const char* StandIn = R"sh(#!/bin/sh
echo "cwd=$PWD"
echo "qpa=${QT_QPA_PLATFORM-(unset)}"
for a in "$@"; do echo "arg=$a"; done
for f in zav.cfg Calendar/Hijri/Month/ZavCalMonth_argd.htm Calendar/Meladi/Month/ZavCalMonth_argd.htm \
    Calendar/TEMP/CalTempFile.html Calendar/Output/CalOutFile.html \
    Calendar/SalaTimeDlg/HTML/tmp/TodaySalaTimes.htm; do
    [ -L "$f" ] && echo "linked=$f"
done
[ -e zav.cfg ] || echo "first run of $HOME" > zav.cfg || echo "cannot-write=zav.cfg"
for f in Calendar/Hijri/Month/ZavCalMonth_argd.htm Calendar/Meladi/Month/ZavCalMonth_argd.htm \
    Calendar/TEMP/CalTempFile.html Calendar/Output/CalOutFile.html \
    Calendar/SalaTimeDlg/HTML/tmp/TodaySalaTimes.htm; do
    rm -f "$f"
    echo "page" > "$f" || echo "cannot-write=$f"
done
echo "zav=$(cat zav.cfg)"
)sh";

std::vector<std::string> Lines(const std::string& output, const std::string& prefix) {
    std::vector<std::string> found;
    std::size_t at = 0;
    while (at < output.size()) {
        const std::size_t end = std::min(output.find('\n', at), output.size());
        const std::string line = output.substr(at, end - at);
        if (line.rfind(prefix, 0) == 0) {
            found.push_back(line.substr(prefix.size()));
        }
        at = end + 1;
    }
    return found;
}

std::string Line(const std::string& output, const std::string& prefix) {
    const auto found = Lines(output, prefix);
    return found.size() == 1 ? found.front() : "(" + std::to_string(found.size()) + " lines)";
}

// Every path below `root`, relative, with a mark for its kind.
std::set<std::string> Listing(const fs::path& root) {
    std::set<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        const char kind = e.is_symlink() ? 'l' : e.is_directory() ? 'd' : 'f';
        out.insert(std::string(1, kind) + " " + fs::relative(e.path(), root).string());
    }
    return out;
}

// Lays out an installation folder as `cmake --install` does, from the source data tree, with
// the stand-in program and small database files.
void MakeInstallation(const fs::path& folder) {
    fs::create_directories(folder);
    fs::copy(SALVENOR_SOURCE_DATA_DIR, folder, fs::copy_options::recursive);
    fs::remove(folder / "CMakeLists.txt");
    for (const char* f : {"Calendar/TEMP", "Calendar/Output", "Calendar/SalaTimeDlg/HTML/tmp"}) {
        fs::create_directories(folder / f);
    }
    WriteText(folder / "world.sum", "summary");
    WriteText(folder / "IndexWorld.zav", "cities");
    WriteText(folder / "salvenor-app", StandIn);
    const auto exec = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                      fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(folder / "salvenor-app", exec);
    fs::permissions(folder / "salvenor", exec);
}

class LauncherTest : public ::testing::Test {
  protected:
    struct Env {
        std::optional<std::string> home;
        std::vector<std::string> more;  // NAME=value
    };

    // Runs `launcher` with only the given environment (and PATH), as a user of its own when
    // `asUser` is set and the test runs as root.
    CommandResult Run(const fs::path& launcher, const Env& env,
                      const std::vector<std::string>& args = {}, bool asUser = false) const {
        std::string command;
        if (asUser && geteuid() == 0) {
            command = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        }
        command += "env -i PATH=/usr/bin:/bin";
        if (env.home) {
            command += " HOME=" + ShellQuoted(*env.home);
        }
        for (const std::string& v : env.more) {
            command += " " + ShellQuoted(v);
        }
        command += " " + ShellQuoted(launcher.string());
        for (const std::string& a : args) {
            command += " " + ShellQuoted(a);
        }
        return RunCommand(command);
    }

    // An installed copy under prefix/lib/salvenor with bin/salvenor linked to its launcher.
    fs::path Install(const fs::path& prefix) const {
        MakeInstallation(prefix / "lib" / "salvenor");
        fs::create_directories(prefix / "bin");
        fs::create_symlink("../lib/salvenor/salvenor", prefix / "bin" / "salvenor");
        return prefix / "bin" / "salvenor";
    }

    fs::path UserFolder(const std::string& home) const {
        return fs::path(home) / ".local" / "share" / "salvenor";
    }

    // Every shared file is a link to the installation's file, every folder real, every written
    // file the user's own, and nothing of the user's is in the installation.
    void ExpectUserFolder(const fs::path& user, const fs::path& installation) const {
        for (const std::string& f : SharedFiles) {
            ASSERT_TRUE(fs::is_symlink(user / f)) << f;
            EXPECT_EQ(fs::read_symlink(user / f), installation / f) << f;
        }
        for (const std::string& d : RealFolders) {
            EXPECT_TRUE(fs::is_directory(fs::symlink_status(user / d))) << d;
        }
        for (const std::string& f : WrittenFiles) {
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(user / f))) << f;
            EXPECT_FALSE(fs::exists(installation / f)) << f;
        }
        EXPECT_FALSE(fs::exists(fs::symlink_status(user / "salvenor")));
    }

    TempDir dir;
    std::string home = (dir.path() / "home").string();
};

TEST_F(LauncherTest, FirstRunOfAnInstallationPreparesTheUserFolderAndStartsThere) {
    const fs::path launcher = Install(dir.path() / "usr");
    const fs::path installation = dir.path() / "usr" / "lib" / "salvenor";
    const auto before = Listing(installation);

    const CommandResult r = Run(launcher, {home, {}}, {"one", "two words", ""});
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_EQ(Line(r.output, "cwd="), UserFolder(home).string());
    EXPECT_EQ(Lines(r.output, "arg="), (std::vector<std::string>{"one", "two words", ""}));
    EXPECT_EQ(Lines(r.output, "cannot-write="), std::vector<std::string>{});
    EXPECT_EQ(Line(r.output, "zav="), "first run of " + home);
    ExpectUserFolder(UserFolder(home), installation);
    EXPECT_EQ(Listing(installation), before);
}

TEST_F(LauncherTest, TheDataFolderFollowsXdgDataHome) {
    struct Case {
        std::vector<std::string> env;
        std::string expected;  // below the test folder
    };
    const std::string data = (dir.path() / "data").string();
    const Case cases[] = {
        {{"XDG_DATA_HOME=" + data}, "data/salvenor"},
        {{"XDG_DATA_HOME=" + data + "/"}, "data/salvenor"},
        {{"XDG_DATA_HOME="}, "home/.local/share/salvenor"},
        {{"XDG_DATA_HOME=relative/data"}, "home/.local/share/salvenor"},
        {{}, "home/.local/share/salvenor"},
    };
    const fs::path launcher = Install(dir.path() / "usr");
    for (const Case& c : cases) {
        const CommandResult r = Run(launcher, {home, c.env});
        ASSERT_EQ(r.exitStatus, 0) << r.output;
        EXPECT_EQ(Line(r.output, "cwd="), (dir.path() / c.expected).string())
            << (c.env.empty() ? "(unset)" : c.env.front());
        EXPECT_TRUE(fs::is_regular_file(dir.path() / c.expected / "zav.cfg"));
    }
    EXPECT_FALSE(fs::exists(dir.path() / "relative"));
    EXPECT_FALSE(fs::exists(dir.path() / "usr" / "lib" / "salvenor" / "relative"));
}

TEST_F(LauncherTest, ASecondRunReusesTheFolder) {
    const fs::path launcher = Install(dir.path() / "usr");
    ASSERT_EQ(Run(launcher, {home, {}}).exitStatus, 0);
    const fs::path user = UserFolder(home);
    WriteText(user / "zav.cfg", std::string("settings\0\x01\xff", 11));
    WriteText(user / "Athan" / "mine.wav", "the user's own sound");
    const auto before = Listing(user);

    const CommandResult r = Run(launcher, {home, {}});
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_EQ(Line(r.output, "cwd="), user.string());
    EXPECT_EQ(ReadText(user / "zav.cfg"), std::string("settings\0\x01\xff", 11));
    EXPECT_EQ(ReadText(user / "Athan" / "mine.wav"), "the user's own sound");
    EXPECT_EQ(Listing(user), before);
}

TEST_F(LauncherTest, WhereTheInstallationIsAndWhetherItCanBeWrittenDecideTheFolder) {
    struct Case {
        const char* folder;  // below the test folder
        bool readOnly;
        bool shared;  // runs in the user's folder rather than in place
    };
    const Case cases[] = {
        {"build/stage", false, false},  // make run
        {"usr/lib/salvenor", false, true},
        {"usr/local/lib/salvenor", false, true},
        {"opt/salvenor/lib/salvenor", false, true},
        {"opt/salvenor", true, true},
        {"usr/lib/salvenor", true, true},
        {"copy/of/lib/salvenor-old", false, false},
        {"my apps/lib/salvenor", false, true},
        {"build dir/stage", false, false},
        {"read only's/salvenor", true, true},
    };
    for (const Case& c : cases) {
        const TempDir caseDir;
        fs::permissions(caseDir.path(),
                        fs::perms::all ^ fs::perms::group_write ^ fs::perms::others_write);
        const fs::path folder = caseDir.path() / c.folder;
        MakeInstallation(folder);
        const fs::path userHome = caseDir.path() / "home";
        fs::create_directories(userHome);
        if (c.readOnly) {
            ASSERT_EQ(RunCommand("chmod -R a-w " + ShellQuoted(folder.string())).exitStatus, 0);
            // Root may write anywhere: the user who cannot is a user of their own.
            ASSERT_EQ(RunCommand("chown 65534:65534 " + ShellQuoted(userHome.string())).exitStatus,
                      0);
        }
        const CommandResult r = Run(folder / "salvenor", {userHome.string(), {}}, {}, c.readOnly);
        RunCommand("chmod -R u+w " + ShellQuoted(folder.string()));
        ASSERT_EQ(r.exitStatus, 0) << c.folder << "\n" << r.output;
        const fs::path user = userHome / ".local" / "share" / "salvenor";
        EXPECT_EQ(Line(r.output, "cwd="), (c.shared ? user : folder).string()) << c.folder;
        EXPECT_EQ(Lines(r.output, "cannot-write="), std::vector<std::string>{}) << c.folder;
        if (c.shared) {
            ExpectUserFolder(user, folder);
        } else {
            EXPECT_FALSE(fs::exists(user)) << c.folder;
            EXPECT_TRUE(fs::is_regular_file(folder / "zav.cfg")) << c.folder;
        }
    }
}

TEST_F(LauncherTest, AReinstallKeepsTheUsersFilesAndRefreshesTheLinks) {
    const fs::path launcher = Install(dir.path() / "usr" / "local");
    ASSERT_EQ(Run(launcher, {home, {}}).exitStatus, 0);
    const fs::path user = UserFolder(home);
    const std::string settings = "the user's settings";
    WriteText(user / "zav.cfg", settings);
    WriteText(user / "Athan" / "mine.wav", "the user's own sound");
    fs::remove(user / "Calendar" / "Trailers" / "occasion.txt");
    WriteText(user / "Calendar" / "Trailers" / "occasion.txt", "the user's own trailer");
    fs::create_symlink("/nowhere/else.wav", user / "Athan" / "elsewhere.wav");

    // The old installation goes; a new one elsewhere adds a sound and drops another.
    fs::remove_all(dir.path() / "usr" / "local");
    const fs::path newLauncher = Install(dir.path() / "usr");
    const fs::path installation = dir.path() / "usr" / "lib" / "salvenor";
    WriteText(installation / "Athan" / "Athan-2.wav", "new");
    fs::remove(installation / "Athan" / "athanFajr.wav");

    const CommandResult r = Run(newLauncher, {home, {}});
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_EQ(Line(r.output, "zav="), settings);
    EXPECT_EQ(ReadText(user / "zav.cfg"), settings);
    EXPECT_EQ(ReadText(user / "Athan" / "mine.wav"), "the user's own sound");
    EXPECT_EQ(ReadText(user / "Calendar" / "Trailers" / "occasion.txt"), "the user's own trailer");
    EXPECT_EQ(fs::read_symlink(user / "Athan" / "elsewhere.wav"), "/nowhere/else.wav");
    EXPECT_EQ(fs::read_symlink(user / "Athan" / "Athan-2.wav"), installation / "Athan/Athan-2.wav");
    EXPECT_FALSE(fs::exists(fs::symlink_status(user / "Athan" / "athanFajr.wav")));
    for (const std::string& f : SharedFiles) {
        if (f != "Athan/athanFajr.wav" && f != "Calendar/Trailers/occasion.txt") {
            EXPECT_EQ(fs::read_symlink(user / f), installation / f) << f;
        }
    }
}

TEST_F(LauncherTest, WhatTheProgramWroteInACopiedFolderIsNotShared) {
    // A staged folder that has been run, copied read-only: its settings and pages stay its own.
    const fs::path launcher = Install(dir.path() / "usr");
    const fs::path installation = dir.path() / "usr" / "lib" / "salvenor";
    for (const std::string& f : WrittenFiles) {
        WriteText(installation / f, "someone else's");
    }
    WriteText(installation / "zav.cfg.new", "half saved");
    WriteText(installation / "salvenor.ini", "someone else's options");

    const CommandResult r = Run(launcher, {home, {}});
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_EQ(Line(r.output, "zav="), "first run of " + home);
    EXPECT_EQ(Lines(r.output, "linked="), std::vector<std::string>{});
    const fs::path user = UserFolder(home);
    for (const std::string& f : WrittenFiles) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(user / f))) << f;
        EXPECT_EQ(ReadText(installation / f), "someone else's") << f;
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(user / "zav.cfg.new")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(user / "salvenor.ini")));
}

TEST_F(LauncherTest, TwoHomesHaveTwoConfigurations) {
    const fs::path launcher = Install(dir.path() / "usr");
    const std::string otherHome = (dir.path() / "other").string();
    const CommandResult first = Run(launcher, {home, {}});
    const CommandResult second = Run(launcher, {otherHome, {}});
    ASSERT_EQ(first.exitStatus, 0) << first.output;
    ASSERT_EQ(second.exitStatus, 0) << second.output;
    EXPECT_EQ(Line(first.output, "cwd="), UserFolder(home).string());
    EXPECT_EQ(Line(second.output, "cwd="), UserFolder(otherHome).string());
    EXPECT_EQ(ReadText(UserFolder(home) / "zav.cfg"), "first run of " + home + "\n");
    EXPECT_EQ(ReadText(UserFolder(otherHome) / "zav.cfg"), "first run of " + otherHome + "\n");
}

TEST_F(LauncherTest, WaylandSessionsUseXWaylandWhereItIsThere) {
    struct Case {
        std::vector<std::string> env;
        const char* platform;
    };
    const Case cases[] = {
        {{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"}, "xcb"},
        {{"XDG_SESSION_TYPE=wayland", "DISPLAY=:0"}, "xcb"},
        {{"WAYLAND_DISPLAY=wayland-0", "XDG_SESSION_TYPE=wayland", "DISPLAY=:1"}, "xcb"},
        {{"WAYLAND_DISPLAY=wayland-0"}, "(unset)"},  // no XWayland: a normal Wayland window
        {{"XDG_SESSION_TYPE=wayland"}, "(unset)"},
        {{"WAYLAND_DISPLAY=wayland-0", "DISPLAY="}, "(unset)"},
        {{"DISPLAY=:0"}, "(unset)"},  // X11: Qt's own choice
        {{"XDG_SESSION_TYPE=x11", "DISPLAY=:0"}, "(unset)"},
        {{"WAYLAND_DISPLAY=", "XDG_SESSION_TYPE=tty", "DISPLAY=:0"}, "(unset)"},
        {{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=wayland"}, "wayland"},
        {{"XDG_SESSION_TYPE=wayland", "DISPLAY=:0", "QT_QPA_PLATFORM=offscreen"}, "offscreen"},
        {{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM="}, "xcb"},
        {{}, "(unset)"},
    };
    // The same in the staged folder and in an installation.
    MakeInstallation(dir.path() / "build" / "stage");
    const fs::path launchers[] = {dir.path() / "build" / "stage" / "salvenor",
                                  Install(dir.path() / "usr")};
    for (const fs::path& launcher : launchers) {
        for (const Case& c : cases) {
            const CommandResult r = Run(launcher, {home, c.env});
            ASSERT_EQ(r.exitStatus, 0) << r.output;
            std::string described;
            for (const std::string& v : c.env) {
                described += v + " ";
            }
            EXPECT_EQ(Line(r.output, "qpa="), c.platform) << described << launcher;
        }
    }
}

TEST_F(LauncherTest, AFolderThatCannotBeMadeIsReported) {
    struct Case {
        std::optional<std::string> home;
        std::vector<std::string> env;
        std::string message;
    };
    const std::string file = (dir.path() / "a-file").string();
    WriteText(file, "x");
    std::vector<Case> cases = {
        {std::nullopt, {}, "salvenor: HOME is not set: cannot prepare your Salvenor folder"},
        {"", {}, "salvenor: HOME is not set: cannot prepare your Salvenor folder"},
        {home,
         {"XDG_DATA_HOME=" + file},
         "salvenor: cannot create your Salvenor folder " + file + "/salvenor"},
        {file,
         {},
         "salvenor: cannot create your Salvenor folder " + file + "/.local/share/salvenor"},
    };
    const fs::path launcher = Install(dir.path() / "usr");
    // A file of the user's where the installation has a folder: the folder cannot be prepared.
    const std::string blocked = (dir.path() / "blocked").string();
    WriteText(UserFolder(blocked) / "Athan", "not a folder");
    cases.push_back(
        {blocked,
         {},
         "salvenor: cannot prepare your Salvenor folder " + UserFolder(blocked).string()});
    for (const Case& c : cases) {
        const CommandResult r = Run(launcher, {c.home, c.env});
        EXPECT_EQ(r.exitStatus, 1) << r.output;
        EXPECT_NE(r.output.find(c.message + "\n"), std::string::npos) << r.output;
        EXPECT_EQ(Lines(r.output, "cwd="), std::vector<std::string>{}) << r.output;
    }
}

}  // namespace
}  // namespace salvenor
