// The Date Adjustments page: today's Hijri day read from the clock, the disabled controls and
// their texts, the month list with nothing selected, and the day's check.
#include "windows/date_adj_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/hijri.h"
#include "core/local_time.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"
#include "tests/windows/city_selection_page_test_support.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using testing::Entries;
using ::testing::IsEmpty;
using ::testing::StartsWith;

// The first local noon from 1 January 2024 on whose Hijri date text begins with "<day> of".
ClockTime FirstNoonWithHijriDay(int day) {
    const std::string prefix = std::to_string(day) + " of ";
    ClockTime t = MakeLocal(2024, 1, 1, 12, 0, 0);
    for (int i = 0; i < 400; ++i, t += 86400) {
        if (FormatHijriDate(t).rfind(prefix, 0) == 0) {
            return t;
        }
    }
    ADD_FAILURE() << "no day " << day << " in 400 days";
    return t;
}

class HijriDayOfMonthTest : public ::testing::TestWithParam<int> {
  protected:
    testing::ScopedTimeZone zone{"EET-2"};
};

TEST_P(HijriDayOfMonthTest, TakesTheLeadingNumberOfTheDateText) {
    const int day = GetParam();
    const ClockTime t = FirstNoonWithHijriDay(day);
    ASSERT_THAT(FormatHijriDate(t), StartsWith(std::to_string(day) + " of "));
    EXPECT_EQ(HijriDayOfMonth(t), static_cast<std::uint32_t>(day));
}

INSTANTIATE_TEST_SUITE_P(Days, HijriDayOfMonthTest, ::testing::Values(1, 7, 10, 29, 30));

// The date page's day follows the Hijri day adjustment across a month's end: 24 October 2006 is
// 1 Shawwal and the day before 30 Ramadan.
TEST(HijriDayOfMonthAdjustedTest, FollowsTheDayAdjustment) {
    const testing::ScopedTimeZone zone{"EET-2"};
    const ClockTime firstOfShawwal = MakeLocal(2006, 10, 24, 12, 0, 0);
    const std::pair<int, std::uint32_t> cases[] = {{0, 1}, {1, 2}, {2, 3}, {-1, 30}, {-2, 29}};
    for (const auto& [shift, day] : cases) {
        EXPECT_EQ(HijriDayOfMonth(firstOfShawwal, shift), day) << shift;
    }
}

class DateAdjTest : public ::testing::Test {
  protected:
    CDateAdj& Open(std::uint32_t day) {
        page = std::make_unique<CDateAdj>(boxes);
        page->setDay(day);
        page->show();
        page->EnsureCreated();
        return *page;
    }

    testing::RecordingMessageBoxes boxes;
    std::unique_ptr<CDateAdj> page;
};

TEST_F(DateAdjTest, FieldsStartWithNoMonthAndDayZero) {
    const CDateAdj fresh(boxes);
    EXPECT_EQ(fresh.monthIndex(), -1);
    EXPECT_EQ(fresh.day(), 0u);
}

TEST_F(DateAdjTest, ShowsTheDayAndNoMonthWithOnlyTheNoteEnabled) {
    const CDateAdj& p = Open(7);
    EXPECT_EQ(p.dayEdit()->text(), "7");
    EXPECT_EQ(p.monthList()->currentIndex(), -1);
    EXPECT_EQ(p.monthList()->currentText(), "");
    EXPECT_THAT(Entries(p.monthList()),
                ElementsAre("Chose Hijri Month", "Muharram", "Safar", "Raby` al-awa",
                            "Raby` al-Thaany", "Jumaada al-awal", "Jumaada al-Thaany", "Rajab",
                            "Sha`baan", "Ramadan", "Shawwal", "Thw al-Qi`dah", "Thw al-Hijjah"));

    struct Shown {
        const QWidget* control;
        const char* text;
        bool enabled;
    };
    const Shown shown[] = {{p.note(), "Not Supported In this version", true},
                           {p.overwriteLabel(), "Overwrite the current Hijri date", false},
                           {p.todayLabel(), "Today is:", false},
                           {p.ofLabel(), "of", false},
                           {p.dayEdit(), nullptr, false},
                           {p.monthList(), nullptr, false}};
    for (const Shown& s : shown) {
        SCOPED_TRACE(s.control->accessibleName().toStdString());
        EXPECT_EQ(s.control->isEnabled(), s.enabled);
        EXPECT_FALSE(s.control->accessibleName().isEmpty());
        if (s.text != nullptr) {
            EXPECT_EQ(qobject_cast<const QLabel*>(s.control)->text(), s.text);
        }
    }
    EXPECT_THAT(boxes.entries, IsEmpty());
}

TEST_F(DateAdjTest, DayEditTakesDigitsOnly) {
    CDateAdj& p = Open(7);
    p.dayEdit()->setEnabled(true);  // typing reaches only an enabled edit
    p.dayEdit()->clear();
    QTest::keyClicks(p.dayEdit(), "-1a.2 ");
    EXPECT_EQ(p.dayEdit()->text(), "12");
}

struct DayCase {
    std::uint32_t day;
    bool accepted;
};
void PrintTo(const DayCase& c, std::ostream* os) {
    *os << "day " << c.day;
}

class DateAdjDayCheckTest : public DateAdjTest, public ::testing::WithParamInterface<DayCase> {};

TEST_P(DateAdjDayCheckTest, LeavingThePageChecksTheDayIn1To30) {
    const DayCase& c = GetParam();
    CDateAdj& p = Open(c.day);
    EXPECT_EQ(p.OnKillActive(), c.accepted);
    EXPECT_EQ(p.day(), c.day);
    EXPECT_EQ(p.monthIndex(), -1);
    if (c.accepted) {
        EXPECT_THAT(boxes.entries, IsEmpty());
    } else {
        ASSERT_EQ(boxes.entries.size(), 1u);
        EXPECT_EQ(boxes.entries[0].text, "Please enter an integer between 1 and 30.");
        EXPECT_EQ(boxes.entries[0].icon, MessageIcon::Exclamation);
    }
}

INSTANTIATE_TEST_SUITE_P(Days, DateAdjDayCheckTest,
                         ::testing::Values(DayCase{1, true}, DayCase{7, true}, DayCase{30, true},
                                           DayCase{0, false}, DayCase{31, false}));

TEST_F(DateAdjTest, TheListPositionIsReadBack) {
    CDateAdj& p = Open(12);
    p.monthList()->setCurrentIndex(3);
    ASSERT_TRUE(p.OnKillActive());
    EXPECT_EQ(p.monthIndex(), 3);
}

}  // namespace
}  // namespace salvenor
