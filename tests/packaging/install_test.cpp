// The tree `cmake --install` makes under a prefix: every file in place, the desktop entry, the
// icon's sizes and the metainfo, validated by the desktop's own tools where they are installed.
#include <sys/stat.h>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/packaging/install_checks.h"
#include "tests/support/process.h"
#include "tests/support/temp_dir.h"

namespace salvenor {
namespace {

namespace fs = std::filesystem;
using namespace salvenor::testing;

const fs::path Prefix = fs::path(SALVENOR_INSTALL_ROOT) / "usr" / "local";

TEST(InstallTree, HoldsEveryFileInItsPlace) {
    for (const InstalledPath& p : ExpectedInstalledPaths()) {
        const fs::path path = Prefix / p.path;
        const fs::file_status status = fs::symlink_status(path);
        switch (p.kind) {
            case Kind::Link:
                ASSERT_TRUE(fs::is_symlink(status)) << p.path;
                EXPECT_EQ(fs::read_symlink(path).string(), p.linkTarget) << p.path;
                EXPECT_TRUE(fs::is_regular_file(path)) << p.path << " leads nowhere";
                break;
            case Kind::Folder:
                EXPECT_TRUE(fs::is_directory(status)) << p.path;
                break;
            case Kind::File:
            case Kind::Program:
                ASSERT_TRUE(fs::is_regular_file(status)) << p.path;
                EXPECT_GT(fs::file_size(path), 0u) << p.path;
                EXPECT_EQ((status.permissions() & fs::perms::others_exec) != fs::perms::none,
                          p.kind == Kind::Program)
                    << p.path;
                break;
        }
    }
    for (const std::string& p : ForbiddenInstalledPaths()) {
        EXPECT_FALSE(fs::exists(fs::symlink_status(Prefix / p))) << p;
    }
}

TEST(InstallTree, NothingIsWritableButByItsOwner) {
    int checked = 0;
    for (const auto& e : fs::recursive_directory_iterator(Prefix)) {
        if (e.is_symlink()) {
            continue;
        }
        const fs::perms perms = e.symlink_status().permissions();
        EXPECT_EQ(perms & (fs::perms::group_write | fs::perms::others_write), fs::perms::none)
            << e.path();
        EXPECT_NE(perms & fs::perms::others_read, fs::perms::none) << e.path();
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

TEST(InstallTree, IconsAreRenderedAtEverySize) {
    for (const int size : {SALVENOR_ICON_SIZES}) {
        const std::string s = std::to_string(size);
        const auto [w, h] = PngSize(testing::ReadText(
            Prefix / ("share/icons/hicolor/" + s + "x" + s + "/apps/salvenor.png")));
        EXPECT_EQ(w, static_cast<std::uint32_t>(size));
        EXPECT_EQ(h, static_cast<std::uint32_t>(size));
    }
    const std::string svg =
        testing::ReadText(Prefix / "share/icons/hicolor/scalable/apps/salvenor.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
}

TEST(InstallTree, DesktopEntryStartsTheLauncher) {
    const auto keys =
        DesktopEntryKeys(testing::ReadText(Prefix / "share/applications/salvenor.desktop"));
    const std::pair<const char*, const char*> expected[] = {
        {"Type", "Application"},
        {"Name", "Salvenor"},
        {"GenericName", "Prayer Times"},
        {"Exec", "salvenor"},
        {"Icon", "salvenor"},
        {"Terminal", "false"},
        {"Categories", "Utility;Clock;"},
        // The window class Qt gives the windows on X11: the application's name.
        {"StartupWMClass", texts::AppTitle},
    };
    for (const auto& [key, value] : expected) {
        ASSERT_EQ(keys.count(key), 1u) << key;
        EXPECT_EQ(keys.at(key), value) << key;
    }
    ASSERT_EQ(keys.count("Comment"), 1u);
    EXPECT_FALSE(keys.at("Comment").empty());
}

TEST(InstallTree, DesktopEntryValidates) {
    if (!CommandExists("desktop-file-validate")) {
        GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils)";
    }
    const CommandResult r =
        RunCommand("desktop-file-validate " +
                   ShellQuoted((Prefix / "share/applications/salvenor.desktop").string()));
    EXPECT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_EQ(r.output, "");  // no warnings or hints either
}

TEST(InstallTree, MetainfoValidates) {
    if (!CommandExists("appstreamcli")) {
        GTEST_SKIP() << "appstreamcli is not installed (appstream)";
    }
    const std::string metainfo =
        (Prefix / "share/metainfo/org.salvenor.Salvenor.metainfo.xml").string();
    const CommandResult r = RunCommand("appstreamcli validate --no-net " + ShellQuoted(metainfo));
    EXPECT_EQ(r.exitStatus, 0) << r.output;
    // The whole tree: the metainfo with the desktop entry and icon it names.
    const CommandResult tree =
        RunCommand("appstreamcli validate-tree --no-net " + ShellQuoted(Prefix.string()));
    EXPECT_EQ(tree.exitStatus, 0) << tree.output;
}

TEST(InstallTree, MetainfoDescribesTheApplication) {
    const std::string xml =
        testing::ReadText(Prefix / "share/metainfo/org.salvenor.Salvenor.metainfo.xml");
    for (const std::string& part : {
             std::string("<component type=\"desktop-application\">"),
             std::string("<id>org.salvenor.Salvenor</id>"),
             std::string("<metadata_license>CC0-1.0</metadata_license>"),
             std::string("<project_license>GPL-3.0-or-later</project_license>"),
             std::string("<name>Salvenor</name>"),
             std::string("<summary>"),
             std::string("<description>"),
             std::string("<launchable type=\"desktop-id\">salvenor.desktop</launchable>"),
             std::string("<binary>salvenor</binary>"),
             std::string("<release version=\"") + SALVENOR_VERSION + "\"",
         }) {
        EXPECT_NE(xml.find(part), std::string::npos) << part;
    }
}

TEST(InstallTree, CommandLineRunsFromThePath) {
    const CommandResult r = RunCommand("env -i PATH=" + ShellQuoted((Prefix / "bin").string()) +
                                       ":/usr/bin:/bin salvenor-cli hijri 2026-12-06");
    EXPECT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_EQ(r.output, "26 6 1448\t26 of Jumaada al-Thaany, 1448\n");
}

// Run from the home folder, the installed command line works in the user's folder, which the
// launcher prepares (made here by the first command), and reads the installation's files.
TEST(InstallTree, CommandLineWorksInTheUsersFolderFromAnywhere) {
    if (!SALVENOR_WITH_CITYDB) {
        GTEST_SKIP() << "built without the world city database";
    }
    const TempDir home;
    const fs::path user = home.path() / ".local" / "share" / "salvenor";
    struct Case {
        std::string arguments;
        std::string output;  // a line the output holds
    };
    const Case cases[] = {
        {"countries", "Chose Country\n"},
        {"--version", std::string("salvenor-cli ") + SALVENOR_VERSION + "\n"},
        {"month --hijri 1448 9", (user / "Calendar" / "Output").string()},
        {"config cfg/cairo.cfg", "cityName=Cairo\n"},
        {"times --date 2024-01-15", "2024-01-15"},
    };
    fs::create_directories(home.path() / "cfg");
    fs::copy_file(fs::path(SALVENOR_SOURCE_DIR) / "tests/data/config/cairo.cfg",
                  home.path() / "cfg" / "cairo.cfg");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CommandResult r = RunCommand("cd " + ShellQuoted(home.path().string()) +
                                           " && env -i HOME=" + ShellQuoted(home.path().string()) +
                                           " PATH=" + ShellQuoted((Prefix / "bin").string()) +
                                           ":/usr/bin:/bin salvenor-cli " + c.arguments);
        EXPECT_EQ(r.exitStatus, 0) << r.output;
        EXPECT_NE(r.output.find(c.output), std::string::npos) << r.output;
        if (c.arguments == "countries") {
            EXPECT_TRUE(fs::is_symlink(user / "world.sum"));
            // The user's own settings for the commands that read them.
            fs::copy_file(home.path() / "cfg" / "cairo.cfg", user / "zav.cfg");
        }
    }
}

}  // namespace
}  // namespace salvenor
