// The menu tables: every entry in its order with its label, separators where they stand, and
// the window menu carrying the tray's entries only where there is no tray.
#include "app/commands.h"

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace salvenor {
namespace {

using ::testing::ElementsAre;

// "-" for a separator, else the label.
std::vector<std::string> Labels(std::span<const MenuEntry> entries) {
    std::vector<std::string> out;
    for (const MenuEntry& e : entries) {
        out.push_back(e.command == Command::None ? "-" : e.label);
    }
    return out;
}

TEST(CommandMenu, NineRowsInOrder) {
    EXPECT_THAT(
        Labels(CommandMenuEntries()),
        ElementsAre("&Setup...", "&Options...", "-", "&Month Calendar...", "&Year Calendars...",
                    "-", "Always On &Top", "-", "&About...", "E&xit"));
    std::vector<int> ids;
    for (const MenuEntry& e : CommandMenuEntries()) {
        ids.push_back(static_cast<int>(e.command));
    }
    EXPECT_THAT(ids, ElementsAre(32773, 32783, 0, 32789, 32778, 0, 32776, 0, 32798, 32775));
}

TEST(TrayMenu, HiddenAreaInOrder) {
    EXPECT_THAT(Labels(TrayMenuEntries()),
                ElementsAre("Today Prayer Times", "Show Prayer Bar", "-", "E&xit"));
    EXPECT_EQ(TrayMenuEntries().back().command, Command::TrayExit);
}

TEST(WindowMenu, TrayEntriesOnlyWithoutATray) {
    EXPECT_THAT(Labels(WindowMenuEntries(true)), ElementsAre("&About ZAV..."));
    EXPECT_THAT(
        Labels(WindowMenuEntries(false)),
        ElementsAre("&About ZAV...", "-", "Today Prayer Times", "Show Prayer Bar", "-", "E&xit"));
    EXPECT_EQ(static_cast<int>(WindowMenuEntries(true).front().command), 16);
}

struct LabelCase {
    Command command;
    const char* label;
    EntryCheck check;
};

class CommandLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(CommandLabelTest, OneLabelAndCheckACommand) {
    EXPECT_STREQ(CommandLabel(GetParam().command), GetParam().label);
    EXPECT_EQ(CheckOf(GetParam().command), GetParam().check);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandLabelTest,
    ::testing::Values(LabelCase{Command::AboutBar, "&About ZAV...", EntryCheck::None},
                      LabelCase{Command::Setup, "&Setup...", EntryCheck::None},
                      LabelCase{Command::AlwaysOnTop, "Always On &Top", EntryCheck::AlwaysOnTop},
                      LabelCase{Command::ShowPrayerBar, "Show Prayer Bar", EntryCheck::BarVisible},
                      LabelCase{Command::TrayExit, "E&xit", EntryCheck::None},
                      LabelCase{Command::Exit, "E&xit", EntryCheck::None},
                      LabelCase{Command::None, "", EntryCheck::None}));

}  // namespace
}  // namespace salvenor
