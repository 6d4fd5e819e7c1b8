// The Debian package: its name, fields and contents, no maintainer scripts, and an extraction
// into a scratch root from which the launcher prepares a user's folder and the program starts.
#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/config_file.h"
#include "tests/packaging/install_checks.h"
#include "tests/support/cairo.h"
#include "tests/support/fakes.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

namespace salvenor {
namespace {

namespace fs = std::filesystem;
using namespace salvenor::testing;

std::string Trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) {
        s.pop_back();
    }
    return s;
}

class PackageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!CommandExists("dpkg-deb")) {
            GTEST_SKIP() << "dpkg-deb is not installed";
        }
        const std::string arch = Trimmed(RunCommand("dpkg --print-architecture").output);
        deb = fs::path(SALVENOR_PACKAGE_ROOT) /
              (std::string("salvenor_") + SALVENOR_VERSION + "_" + arch + ".deb");
        ASSERT_TRUE(fs::is_regular_file(deb)) << deb;
    }

    std::string Field(const std::string& name) const {
        return Trimmed(RunCommand("dpkg-deb -f " + ShellQuoted(deb.string()) + " " + name).output);
    }

    fs::path deb;
};

TEST_F(PackageTest, IsTheOnlyPackageMade) {
    std::vector<std::string> debs;
    for (const auto& e : fs::directory_iterator(SALVENOR_PACKAGE_ROOT)) {
        if (e.path().extension() == ".deb") {
            debs.push_back(e.path().filename().string());
        }
    }
    EXPECT_EQ(debs, std::vector<std::string>{deb.filename().string()});
}

TEST_F(PackageTest, FieldsNameThePackageAndItsQtRuntime) {
    EXPECT_EQ(Field("Package"), "salvenor");
    EXPECT_EQ(Field("Version"), SALVENOR_VERSION);
    EXPECT_EQ(Field("Architecture"), Trimmed(RunCommand("dpkg --print-architecture").output));
    EXPECT_NE(Field("Maintainer").find('@'), std::string::npos);
    const std::string description = Field("Description");
    EXPECT_EQ(description.rfind("desktop prayer-times companion\n", 0), 0u) << description;
    EXPECT_NE(description.find("salvenor-cli"), std::string::npos) << description;

    // Each dependency as a name, without its version.
    std::set<std::string> depends;
    const std::string field = Field("Depends");
    std::size_t at = 0;
    while (at < field.size()) {
        const std::size_t end = std::min(field.find(',', at), field.size());
        std::string item = field.substr(at, end - at);
        item.erase(0, item.find_first_not_of(' '));
        depends.insert(item.substr(0, item.find_first_of(" (")));
        at = end + 1;
    }
    for (const char* name : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6multimedia6",
                             "qt6-qpa-plugins", "libc6", "libstdc++6"}) {
        EXPECT_EQ(depends.count(name), 1u) << name << " in " << field;
    }

    // Every Qt library the programs link comes with its package (libQt6PrintSupport.so.6 with
    // libqt6printsupport6), whichever modules the program uses.
    const TempDir scratch;
    ASSERT_EQ(RunCommand("dpkg-deb -x " + ShellQuoted(deb.string()) + " " +
                         ShellQuoted(scratch.path().string()))
                  .exitStatus,
              0);
    int qtLibraries = 0;
    for (const char* program : {"salvenor-app", "salvenor-cli"}) {
        const CommandResult needed = RunCommand(
            "objdump -p " + ShellQuoted((scratch.path() / "usr/lib/salvenor" / program).string()));
        ASSERT_EQ(needed.exitStatus, 0) << needed.output;
        std::size_t at = 0;
        while ((at = needed.output.find("libQt6", at)) != std::string::npos) {
            const std::size_t end = needed.output.find(".so.6", at);
            ASSERT_NE(end, std::string::npos);
            std::string package = "libqt6";
            for (std::size_t i = at + 6; i < end; ++i) {
                package +=
                    static_cast<char>(std::tolower(static_cast<unsigned char>(needed.output[i])));
            }
            package += "6";
            EXPECT_EQ(depends.count(package), 1u) << package << " for " << program;
            ++qtLibraries;
            at = end;
        }
    }
    EXPECT_GE(qtLibraries, 4);  // Core, Gui, Widgets, Multimedia at least
}

TEST_F(PackageTest, ContentsAreTheInstallationUnderUsr) {
    const CommandResult r = RunCommand("dpkg-deb --contents " + ShellQuoted(deb.string()));
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    // "perms owner size date time ./path[ -> target]"
    std::set<std::string> listed;
    std::map<std::string, std::string> links;
    std::size_t at = 0;
    while (at < r.output.size()) {
        const std::size_t end = std::min(r.output.find('\n', at), r.output.size());
        const std::string line = r.output.substr(at, end - at);
        at = end + 1;
        const std::size_t path = line.find(" ./");
        if (path == std::string::npos) {
            continue;
        }
        std::string name = line.substr(path + 3);
        const std::size_t arrow = name.find(" -> ");
        if (arrow != std::string::npos) {
            links[name.substr(0, arrow)] = name.substr(arrow + 4);
            name.erase(arrow);
        }
        if (!name.empty() && name.back() == '/') {
            name.pop_back();
        }
        listed.insert(name);
        EXPECT_TRUE(name.empty() || name == "usr" || name.rfind("usr/", 0) == 0) << name;
        EXPECT_NE(line.find(" root/root "), std::string::npos) << line;
    }
    for (const InstalledPath& p : ExpectedInstalledPaths()) {
        EXPECT_EQ(listed.count("usr/" + p.path), 1u) << p.path;
        if (p.kind == Kind::Link) {
            EXPECT_EQ(links["usr/" + p.path], p.linkTarget) << p.path;
        }
    }
    for (const std::string& p : ForbiddenInstalledPaths()) {
        EXPECT_EQ(listed.count("usr/" + p), 0u) << p;
    }
}

// /usr/share/doc/salvenor: the machine-readable copyright with the three licences, and the
// changelog compressed with gzip -9n (no file name, no time stamp).
TEST_F(PackageTest, DocumentsTheCopyrightAndTheChangelog) {
    const auto extracted = [this](const std::string& path, const std::string& filter) {
        return RunCommand("dpkg-deb --fsys-tarfile " + ShellQuoted(deb.string()) +
                          " | tar -xO ./usr/share/doc/salvenor/" + path + filter);
    };
    struct Case {
        std::string path;
        std::string filter;
        std::string holds;
    };
    const Case cases[] = {
        {"copyright", "",
         "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"},
        {"copyright", "", "\nLicense: GPL-3.0-or-later\n"},
        {"copyright", "", "\nLicense: CC-BY-4.0\n"},
        {"copyright", "", "\nLicense: OFL-1.1\n"},
        {"changelog.gz", " | gzip -dc", std::string("salvenor (") + SALVENOR_VERSION + ") "},
        // The gzip header: no name flag (byte 4), a zero time stamp (bytes 5-8), -9 (byte 9).
        {"changelog.gz", " | od -An -tx1 -N9", "1f 8b 08 00 00 00 00 00 02"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + c.filter);
        const CommandResult r = extracted(c.path, c.filter);
        EXPECT_EQ(r.exitStatus, 0) << r.output;
        EXPECT_NE(r.output.find(c.holds), std::string::npos) << r.output;
    }
}

// Debian's package checker finds no error in the package.
TEST_F(PackageTest, LintianReportsNoError) {
    if (!CommandExists("lintian")) {
        GTEST_SKIP() << "lintian is not installed";
    }
    const CommandResult r =
        RunCommand("lintian --tag-display-limit 0 " + ShellQuoted(deb.string()));
    EXPECT_EQ(r.output.find("E: "), std::string::npos) << r.output;
}

TEST_F(PackageTest, HasNoMaintainerScripts) {
    const CommandResult r =
        RunCommand("dpkg-deb --ctrl-tarfile " + ShellQuoted(deb.string()) + " | tar -t");
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_NE(r.output.find("./control\n"), std::string::npos) << r.output;
    for (const char* script : {"preinst", "postinst", "prerm", "postrm", "config"}) {
        EXPECT_EQ(r.output.find(std::string("./") + script + "\n"), std::string::npos) << script;
    }
}

TEST_F(PackageTest, ExtractedLauncherPreparesTheUserFolderAndStartsTheProgram) {
    const TempDir scratch;
    const fs::path root = scratch.path() / "root";
    const CommandResult x =
        RunCommand("dpkg-deb -x " + ShellQuoted(deb.string()) + " " + ShellQuoted(root.string()));
    ASSERT_EQ(x.exitStatus, 0) << x.output;
    const fs::path installation = root / "usr" / "lib" / "salvenor";

    // A configured user: first-run setup has nothing to ask.
    const fs::path home = scratch.path() / "home";
    const fs::path user = home / ".local" / "share" / "salvenor";
    fs::create_directories(user);
    RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    config.configPath = (user / "zav.cfg").string();
    ApplyFirstRunDefaults(config);
    testing::SetCairoExample(config);
    config.SaveSettings();
    ASSERT_EQ(boxes.entries.size(), 0u);
    const std::string settings = testing::ReadText(user / "zav.cfg");
    ASSERT_FALSE(settings.empty());

    const fs::path runtime = scratch.path() / "runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const std::string command =
        "cd / && env -i PATH=/usr/bin:/bin TZ=UTC QT_QPA_PLATFORM=offscreen "
        "SALVENOR_REPORT_FIRST_SHOWN=1 HOME=" +
        ShellQuoted(home.string()) + " XDG_RUNTIME_DIR=" + ShellQuoted(runtime.string()) + " " +
        ShellQuoted((root / "usr" / "bin" / "salvenor").string());
    const WatchResult run = RunUntilOutput(command, "first-shown ", std::chrono::seconds(60));
    EXPECT_TRUE(run.seen) << (run.endedFirst ? "ended first:\n" : "no bar shown:\n") << run.output;

    EXPECT_EQ(testing::ReadText(user / "zav.cfg"), settings);
    for (const InstalledPath& p : ExpectedInstalledPaths()) {
        if (p.path.rfind("lib/salvenor/", 0) != 0 || p.kind == Kind::Folder ||
            p.path == "lib/salvenor/salvenor") {
            continue;
        }
        const std::string rel = p.path.substr(std::string("lib/salvenor/").size());
        ASSERT_TRUE(fs::is_symlink(user / rel)) << rel;
        EXPECT_EQ(fs::read_symlink(user / rel), installation / rel) << rel;
    }
    for (const char* folder : {"Calendar/TEMP", "Calendar/Output", "Calendar/SalaTimeDlg/HTML/tmp",
                               "Calendar/Hijri/Month", "Calendar/Meladi/Month"}) {
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(user / folder))) << folder;
    }
    EXPECT_FALSE(fs::exists(installation / "zav.cfg"));

    // The pages the program writes are built in the user's folder from the shared templates,
    // with the shared database, by the extracted command line sharing the program's code.
    const auto before = testing::ReadText(installation / "Calendar/Hijri/Month/month_hijri.htm");
    const std::string cli = ShellQuoted((root / "usr/bin/salvenor-cli").string());
    const std::string inUser =
        "cd " + ShellQuoted(user.string()) + " && TZ=UTC HOME=" + ShellQuoted(home.string()) + " ";
    struct Page {
        std::string arguments;
        std::string page;  // relative to the user's folder
    };
    std::vector<Page> pages = {
        Page{"month --hijri 1427 9", "Calendar/Output/CalOutFile.html"},
        Page{"month --gregorian 2026 12", "Calendar/Output/CalOutFile.html"},
        Page{"today-page", "Calendar/SalaTimeDlg/HTML/tmp/TodaySalaTimes.htm"}};
    if (SALVENOR_WITH_CITYDB) {
        pages.push_back(Page{"countries", ""});
    }
    for (const Page& p : pages) {
        const CommandResult r = RunCommand(inUser + cli + " " + p.arguments);
        EXPECT_EQ(r.exitStatus, 0) << p.arguments << "\n" << r.output;
        if (!p.page.empty()) {
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(user / p.page))) << p.arguments;
            EXPECT_GT(fs::file_size(user / p.page), 0u) << p.arguments;
        } else {
            EXPECT_NE(r.output.find("Egypt"), std::string::npos) << r.output;
        }
    }
    for (const char* joined : {"Calendar/Hijri/Month/ZavCalMonth_argd.htm",
                               "Calendar/Meladi/Month/ZavCalMonth_argd.htm"}) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(user / joined))) << joined;
        EXPECT_FALSE(fs::exists(installation / joined)) << joined;
    }
    EXPECT_EQ(testing::ReadText(installation / "Calendar/Hijri/Month/month_hijri.htm"), before);
    EXPECT_TRUE(fs::is_symlink(user / "Calendar/Hijri/Month/month_hijri.htm"));
}

TEST_F(PackageTest, ExtractedCommandLineRuns) {
    const TempDir scratch;
    ASSERT_EQ(RunCommand("dpkg-deb -x " + ShellQuoted(deb.string()) + " " +
                         ShellQuoted(scratch.path().string()))
                  .exitStatus,
              0);
    const CommandResult r = RunCommand(
        ShellQuoted((scratch.path() / "usr/bin/salvenor-cli").string()) + " gregorian 1427 9 1");
    EXPECT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_EQ(r.output, "2006-09-24\n");
}

}  // namespace
}  // namespace salvenor
