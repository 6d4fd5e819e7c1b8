// The Advanced Setup page: its first display, the offset check, what OK stores and saves, and
// the exact offsets taken when the zone follows the system.
#include "windows/advanced_setup_page.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/support/time_zone.h"
#include "tests/windows/city_selection_page_test_support.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::SettingsFolder;

using ScopedZone = testing::ScopedTimeZone;

class AdvancedSetupPageTest : public ::testing::Test {
  protected:
    AdvancedSetupPageTest() : folder(false) {}

    CAdvancedSetupPage& Open() {
        page = std::make_unique<CAdvancedSetupPage>(folder.config, folder.boxes, clock);
        page->show();
        page->EnsureCreated();
        return *page;
    }
    int CheckedWay() const {
        for (int i = 0; i < 4; ++i) {
            if (page->wayButton(i)->isChecked()) {
                return i;
            }
        }
        return -1;
    }

    SettingsFolder folder;
    FakeClock clock{1'700'000'000};
    std::unique_ptr<CAdvancedSetupPage> page;
};

// The first display shows the stored state.
struct StoredState {
    const char* name;
    std::uint8_t follow;
    int offset;
    int way;
    const char* shownOffset;
};

class AdvancedFirstDisplayTest : public AdvancedSetupPageTest,
                                 public ::testing::WithParamInterface<StoredState> {};

TEST_P(AdvancedFirstDisplayTest, ShowsTheStoredChoice) {
    const StoredState& s = GetParam();
    folder.config.followWindowsZone = s.follow;
    folder.config.gmtOffsetHours = s.offset;
    folder.config.calculationWay = s.way;
    const CAdvancedSetupPage& p = Open();

    EXPECT_EQ(p.followButton()->isChecked(), s.follow != 0);
    EXPECT_EQ(p.customButton()->isChecked(), s.follow == 0);
    EXPECT_EQ(p.offsetEdit()->isEnabled(), s.follow == 0);
    EXPECT_EQ(p.followFlag(), s.follow != 0);
    EXPECT_EQ(p.offsetEdit()->text().toStdString(), s.shownOffset);
    EXPECT_EQ(CheckedWay(), s.way);
}

INSTANTIATE_TEST_SUITE_P(States, AdvancedFirstDisplayTest,
                         ::testing::Values(StoredState{"Follow", 1, 3, 2, "0"},
                                           StoredState{"CustomEast", 0, 3, 0, "3"},
                                           StoredState{"CustomWest", 0, -5, 3, "-5"},
                                           StoredState{"UmmAlQura", 0, 13, 1, "13"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AdvancedSetupPageTest, RadioButtonsSwitchTheOffsetEdit) {
    folder.config.followWindowsZone = 1;
    CAdvancedSetupPage& p = Open();
    p.customButton()->click();
    EXPECT_TRUE(p.offsetEdit()->isEnabled());
    EXPECT_FALSE(p.followFlag());
    p.followButton()->click();
    EXPECT_FALSE(p.offsetEdit()->isEnabled());
    EXPECT_TRUE(p.followFlag());
}

TEST_F(AdvancedSetupPageTest, RepaintsKeepUnsavedChoices) {
    folder.config.followWindowsZone = 1;
    folder.config.calculationWay = 0;
    CAdvancedSetupPage& p = Open();
    p.customButton()->click();
    p.wayButton(2)->click();
    p.hide();
    p.show();
    p.repaint();
    EXPECT_TRUE(p.customButton()->isChecked());
    EXPECT_FALSE(p.followButton()->isChecked());
    EXPECT_TRUE(p.offsetEdit()->isEnabled());
    EXPECT_EQ(CheckedWay(), 2);
}

TEST_F(AdvancedSetupPageTest, OffsetEditTakesDigitsAndALeadingMinus) {
    CAdvancedSetupPage& p = Open();
    p.offsetEdit()->clear();
    QTest::keyClicks(p.offsetEdit(), "-1.2-x");
    EXPECT_EQ(p.offsetEdit()->text(), "-12");
}

// The custom offset: an integer at the start of the text, within -12..13.
struct OffsetCase {
    const char* text;
    std::optional<int> stored;  // empty: refused
    const char* message;
};
void PrintTo(const OffsetCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class AdvancedOffsetTest : public AdvancedSetupPageTest,
                           public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(AdvancedOffsetTest, ChecksTheTypedOffset) {
    const OffsetCase& c = GetParam();
    folder.config.gmtOffsetHours = 2;
    CAdvancedSetupPage& p = Open();
    p.offsetEdit()->setText(c.text);  // as pasted: not filtered

    const bool passed = p.OnKillActive();

    EXPECT_EQ(passed, c.stored.has_value());
    if (c.stored) {
        EXPECT_THAT(folder.boxes.entries, IsEmpty());
        EXPECT_EQ(p.customOffset(), *c.stored);
    } else {
        ASSERT_EQ(folder.boxes.entries.size(), 1u);
        EXPECT_EQ(folder.boxes.entries[0].text, c.message);
        EXPECT_EQ(folder.boxes.entries[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(p.focusWidget(), p.offsetEdit());
        EXPECT_EQ(p.customOffset(), 2);  // the field keeps the last good value
    }
}

constexpr const char* OutOfRange = "Please enter an integer between -12 and 13.";

INSTANTIATE_TEST_SUITE_P(Offsets, AdvancedOffsetTest,
                         ::testing::Values(OffsetCase{"13", 13, ""}, OffsetCase{"-12", -12, ""},
                                           OffsetCase{" 5 hours", 5, ""}, OffsetCase{"-3", -3, ""},
                                           OffsetCase{"14", std::nullopt, OutOfRange},
                                           OffsetCase{"-13", std::nullopt, OutOfRange},
                                           OffsetCase{"abc", std::nullopt, texts::EnterInteger},
                                           OffsetCase{"", std::nullopt, texts::EnterInteger},
                                           OffsetCase{"+", std::nullopt, texts::EnterInteger}));

TEST_F(AdvancedSetupPageTest, FollowingTheSystemDoesNotCheckTheUnusedOffset) {
    CAdvancedSetupPage& p = Open();
    p.offsetEdit()->setText("abc");
    p.followButton()->click();
    EXPECT_TRUE(p.OnKillActive());
    EXPECT_THAT(folder.boxes.entries, IsEmpty());
}

TEST_F(AdvancedSetupPageTest, OkStoresTheCustomOffsetAndConventionAndSaves) {
    folder.config.followWindowsZone = 1;
    folder.config.exactGmtOffsetMinutes = 330;
    folder.config.cityName = "Cairo";
    CAdvancedSetupPage& p = Open();
    p.customButton()->click();
    p.offsetEdit()->setText("-5");
    p.wayButton(1)->click();  // "Um Ul-Qura, Makkah"
    ASSERT_TRUE(p.OnKillActive());
    p.OnOK();

    EXPECT_EQ(folder.config.gmtOffsetHours, -5);
    EXPECT_EQ(folder.config.followWindowsZone, 0);
    EXPECT_FALSE(folder.config.exactGmtOffsetMinutes.has_value());
    EXPECT_EQ(folder.config.calculationWay, 1);
    EXPECT_EQ(folder.config.cityName, "Cairo");
    EXPECT_FALSE(folder.configSaved());  // the sheet saves, once, after every page
}

// "&Follow Windows" stores the standard-time offset of the system's zone at the clock's time:
// whole hours in the record and the file, the exact minutes beside them.
struct ZoneCase {
    const char* name;
    const char* zone;
    std::int64_t when;  // seconds since 1970
    int hours;
    int minutes;
};

class AdvancedFollowTest : public AdvancedSetupPageTest,
                           public ::testing::WithParamInterface<ZoneCase> {};

TEST_P(AdvancedFollowTest, StoresTheSystemOffset) {
    const ZoneCase& c = GetParam();
    const ScopedZone zone(c.zone);
    clock.set(c.when);
    folder.config.followWindowsZone = 0;
    folder.config.gmtOffsetHours = 9;
    CAdvancedSetupPage& p = Open();
    p.followButton()->click();
    ASSERT_TRUE(p.OnKillActive());
    p.OnOK();

    EXPECT_EQ(folder.config.followWindowsZone, 1);
    EXPECT_EQ(folder.config.gmtOffsetHours, c.hours);
    EXPECT_EQ(folder.config.exactGmtOffsetMinutes, c.minutes);
    EXPECT_FALSE(folder.configSaved());  // the sheet saves, once, after every page
}

INSTANTIATE_TEST_SUITE_P(Zones, AdvancedFollowTest,
                         ::testing::Values(
                             // 2024-01-15 12:00 UTC.
                             ZoneCase{"Kolkata", "Asia/Kolkata", 1705320000, 5, 330},
                             // 2024-07-15 12:00 UTC, daylight saving in force: the standard offset.
                             ZoneCase{"NewYorkSummer", "America/New_York", 1721044800, -5, -300},
                             ZoneCase{"NewYorkWinter", "America/New_York", 1705320000, -5, -300},
                             // 2024-07-15 12:00 UTC: three hours ahead with daylight saving.
                             ZoneCase{"AthensSummer", "Europe/Athens", 1721044800, 2, 120},
                             // 2024-01-14 22:30 UTC is 00:30 of the next day two hours east.
                             ZoneCase{"PastMidnightEast", "Etc/GMT-2", 1705271400, 2, 120},
                             ZoneCase{"Kathmandu", "Asia/Kathmandu", 1705320000, 5, 345},
                             ZoneCase{"StJohns", "America/St_Johns", 1705320000, -3, -210}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace salvenor
