// The autostart entry: its path from the environment, whether it starts, writing and removing it.
#include "platform/autostart.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace salvenor {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteText;

TEST(AutostartEntryPath, FollowsXdgConfigHomeThenHome) {
    struct Case {
        std::optional<std::string> xdgConfigHome;
        std::optional<std::string> home;
        std::string expected;
    };
    const Case cases[] = {
        {"/cfg", "/home/u", "/cfg/autostart/salvenor.desktop"},
        {"/cfg/", "/home/u", "/cfg//autostart/salvenor.desktop"},
        {std::nullopt, "/home/u", "/home/u/.config/autostart/salvenor.desktop"},
        {"", "/home/u", "/home/u/.config/autostart/salvenor.desktop"},
        // A relative XDG_CONFIG_HOME is not a valid base folder.
        {"cfg", "/home/u", "/home/u/.config/autostart/salvenor.desktop"},
        {"/cfg", std::nullopt, "/cfg/autostart/salvenor.desktop"},
        {std::nullopt, std::nullopt, ""},
        {"", "", ""},
        {"relative", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const ScopedEnv xdg("XDG_CONFIG_HOME", c.xdgConfigHome);
        const ScopedEnv home("HOME", c.home);
        EXPECT_EQ(AutostartEntryPath(), c.expected)
            << "XDG_CONFIG_HOME=" << c.xdgConfigHome.value_or("(unset)")
            << " HOME=" << c.home.value_or("(unset)");
    }
}

TEST(AutostartEntryStarts, ReadsHiddenAndTheGnomeSwitchInTheMainGroupOnly) {
    struct Case {
        const char* text;
        bool starts;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nType=Application\nExec=salvenor\n", true},
        {"[Desktop Entry]\nExec=salvenor\nHidden=true\n", false},
        {"[Desktop Entry]\nExec=salvenor\nHidden=false\n", true},
        {"[Desktop Entry]\nHidden = true\n", false},
        {"[Desktop Entry]\r\nHidden=true\r\n", false},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n", false},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=true\n", true},
        {"[Desktop Entry]\nHidden=True\n", true},  // values are case-sensitive
        {"[Desktop Entry]\n# Hidden=true\n", true},
        {"[Desktop Entry]\nExec=salvenor\n[Desktop Action quit]\nHidden=true\n", true},
        {"[Other]\nHidden=true\n[Desktop Entry]\nExec=salvenor\n", true},
        {"[Desktop Entry]\nHidden=true\n[Desktop Action a]\nHidden=false\n", false},
        {"Exec=salvenor\n", false},  // no main group: no session starts it
        {"[Other]\nExec=salvenor\n", false},
        {"", false},
        {"[Desktop Entry]", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AutostartEntryStarts(c.text), c.starts) << c.text;
    }
}

TEST(AutostartEntryText, IsTheInstalledDesktopEntry) {
    EXPECT_EQ(AutostartEntryText(), ReadText(SALVENOR_DESKTOP_ENTRY_FILE));
    EXPECT_NE(AutostartEntryText().find("\nExec=salvenor\n"), std::string_view::npos);
    EXPECT_TRUE(AutostartEntryStarts(AutostartEntryText()));
}

class AutostartTest : public ::testing::Test {
  protected:
    TempDir dir;
    ScopedEnv home{"HOME", (dir.path() / "home").string()};
    ScopedEnv xdg{"XDG_CONFIG_HOME", (dir.path() / "config").string()};
    fs::path entry = dir.path() / "config" / "autostart" / "salvenor.desktop";
};

TEST_F(AutostartTest, OnWritesTheEntryAndOffRemovesIt) {
    EXPECT_FALSE(AutostartEnabled());
    ASSERT_TRUE(SetAutostart(true));
    EXPECT_TRUE(AutostartEnabled());
    EXPECT_EQ(ReadText(entry), AutostartEntryText());
    // Only the entry is left in the folder: its temporary copy is gone.
    EXPECT_EQ(std::distance(fs::directory_iterator(entry.parent_path()), fs::directory_iterator()),
              1);

    ASSERT_TRUE(SetAutostart(true));  // again: nothing changes
    EXPECT_EQ(ReadText(entry), AutostartEntryText());

    ASSERT_TRUE(SetAutostart(false));
    EXPECT_FALSE(AutostartEnabled());
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_TRUE(SetAutostart(false));  // already off
    EXPECT_FALSE(fs::exists(entry));
}

TEST_F(AutostartTest, StateComesFromTheFile) {
    struct Case {
        const char* text;
        bool enabled;
    };
    for (const Case c : {Case{"[Desktop Entry]\nExec=salvenor\n", true},
                         Case{"[Desktop Entry]\nExec=salvenor\nHidden=true\n", false},
                         Case{"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n", false},
                         Case{"garbage", false}}) {
        WriteText(entry, c.text);
        EXPECT_EQ(AutostartEnabled(), c.enabled) << c.text;
    }
}

TEST_F(AutostartTest, OnKeepsAnEntryThatStartsAndReplacesOneThatDoesNot) {
    const std::string edited = "[Desktop Entry]\nType=Application\nExec=salvenor --quiet\n";
    WriteText(entry, edited);
    ASSERT_TRUE(SetAutostart(true));
    EXPECT_EQ(ReadText(entry), edited);

    WriteText(entry, "[Desktop Entry]\nExec=salvenor\nHidden=true\n");
    ASSERT_TRUE(SetAutostart(true));
    EXPECT_EQ(ReadText(entry), AutostartEntryText());
    EXPECT_TRUE(AutostartEnabled());
}

TEST_F(AutostartTest, WithoutXdgConfigHomeUsesTheHomeConfigFolder) {
    const ScopedEnv noXdg("XDG_CONFIG_HOME", std::nullopt);
    const fs::path homeEntry = dir.path() / "home" / ".config" / "autostart" / "salvenor.desktop";
    ASSERT_TRUE(SetAutostart(true));
    EXPECT_EQ(ReadText(homeEntry), AutostartEntryText());
    EXPECT_FALSE(fs::exists(entry));
    ASSERT_TRUE(SetAutostart(false));
    EXPECT_FALSE(fs::exists(homeEntry));
}

TEST_F(AutostartTest, FailuresAreReported) {
    // The configuration folder is a file: no entry can be written there.
    WriteText(dir.path() / "config", "not a folder");
    EXPECT_FALSE(SetAutostart(true));
    EXPECT_FALSE(AutostartEnabled());
    fs::remove(dir.path() / "config");

    // A folder where the entry should be cannot be removed as an entry, nor read as one.
    fs::create_directories(entry / "inside");
    EXPECT_FALSE(AutostartEnabled());
    EXPECT_FALSE(SetAutostart(false));
    EXPECT_TRUE(fs::exists(entry / "inside"));
    EXPECT_FALSE(SetAutostart(true));
    EXPECT_TRUE(fs::is_directory(entry));
    fs::remove_all(entry);

    const ScopedEnv noXdg("XDG_CONFIG_HOME", std::nullopt);
    const ScopedEnv noHome("HOME", std::nullopt);
    EXPECT_FALSE(SetAutostart(true));
    EXPECT_FALSE(SetAutostart(false));
    EXPECT_FALSE(AutostartEnabled());
}

}  // namespace
}  // namespace salvenor
