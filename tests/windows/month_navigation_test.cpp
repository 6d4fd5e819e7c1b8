// Where the month calendar's steps lead, at the ends of the year and of the calendars.
#include "windows/month_navigation.h"

#include <gtest/gtest.h>

#include <optional>

namespace salvenor {

// Found by the test framework next to ShownMonth, so a failure names the month.
void PrintTo(const ShownMonth& m, std::ostream* os) {
    *os << (m.kind == CalendarKind::Hijri ? "Hijri " : "Gregorian ") << m.year << "/" << m.month;
}

namespace {

constexpr CalendarKind H = CalendarKind::Hijri;
constexpr CalendarKind G = CalendarKind::Gregorian;

struct StepCase {
    ShownMonth from;
    int step;
    std::optional<ShownMonth> to;  // empty: the step would leave the calendar
};

TEST(MonthNavigationTest, MonthStepsCrossTheYearBothWaysAndStopAtTheCalendarsEnds) {
    const StepCase cases[] = {
        {{H, 1427, 9}, -1, ShownMonth{H, 1427, 10}},
        {{H, 1427, 9}, +1, ShownMonth{H, 1427, 8}},
        {{H, 1427, 12}, -1, ShownMonth{H, 1428, 1}},
        {{H, 1428, 1}, +1, ShownMonth{H, 1427, 12}},
        {{G, 2006, 12}, -1, ShownMonth{G, 2007, 1}},
        {{G, 2007, 1}, +1, ShownMonth{G, 2006, 12}},
        {{H, 1, 1}, +1, std::nullopt},
        {{H, 1, 1}, -1, ShownMonth{H, 1, 2}},
        {{H, 9999, 12}, -1, std::nullopt},
        {{H, 9999, 12}, +1, ShownMonth{H, 9999, 11}},
        {{G, 622, 8}, +1, std::nullopt},
        {{G, 622, 8}, -1, ShownMonth{G, 622, 9}},
        {{G, 9999, 12}, -1, std::nullopt},
        {{G, 9999, 12}, +1, ShownMonth{G, 9999, 11}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.from) + " step " + std::to_string(c.step));
        EXPECT_EQ(AfterMonthStep(c.from, c.step), c.to);
    }
}

TEST(MonthNavigationTest, YearStepsShowTheFirstMonthAndStopAtTheCalendarsEnds) {
    const StepCase cases[] = {
        {{H, 1427, 9}, -1, ShownMonth{H, 1428, 1}},
        {{H, 1427, 9}, +1, ShownMonth{H, 1426, 1}},
        {{H, 1427, 1}, +1, ShownMonth{H, 1426, 1}},
        {{G, 2006, 12}, -1, ShownMonth{G, 2007, 1}},
        {{H, 1, 7}, +1, ShownMonth{H, 1, 1}},  // from the year 1 downward it stays 1
        {{H, 2, 7}, +1, ShownMonth{H, 1, 1}},
        {{H, 9999, 3}, -1, std::nullopt},
        {{H, 9998, 3}, -1, ShownMonth{H, 9999, 1}},
        {{G, 623, 5}, +1, std::nullopt},  // January 622 comes before the Hijra
        {{G, 622, 10}, -1, ShownMonth{G, 623, 1}},
        {{G, 9999, 2}, -1, std::nullopt},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.from) + " step " + std::to_string(c.step));
        EXPECT_EQ(AfterYearStep(c.from, c.step), c.to);
    }
}

TEST(MonthNavigationTest, MonthsInCalendarRunFromTheHijraToTheYear9999) {
    struct Case {
        CalendarKind kind;
        int year;
        int month;
        bool in;
    };
    const Case cases[] = {
        {H, 1, 1, true},     {H, 0, 12, false},    {H, 9999, 12, true}, {H, 10000, 1, false},
        {H, 1427, 0, false}, {H, 1427, 13, false}, {G, 622, 7, false},  {G, 622, 8, true},
        {G, 9999, 12, true}, {G, 10000, 1, false}, {G, 1, 1, false},    {G, 2006, 13, false},
        {H, -5, 3, false},   {G, 2006, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MonthInCalendar(c.kind, c.year, c.month), c.in)
            << (c.kind == H ? "Hijri " : "Gregorian ") << c.year << "/" << c.month;
    }
}

TEST(MonthNavigationTest, CurrentMonthOfEachCalendar) {
    // 15 March 2007 is 26 Safar 1428 by the arithmetic conversion; 24 October 2006 is 1 Shawwal
    // 1427 and 1 January 2006 is 1 Thw al-Hijjah 1426.
    EXPECT_EQ(CurrentMonth(H, 15, 3, 2007), (ShownMonth{H, 1428, 2}));
    EXPECT_EQ(CurrentMonth(H, 24, 10, 2006), (ShownMonth{H, 1427, 10}));
    EXPECT_EQ(CurrentMonth(H, 1, 1, 2006), (ShownMonth{H, 1426, 12}));
    EXPECT_EQ(CurrentMonth(G, 15, 3, 2007), (ShownMonth{G, 2007, 3}));
}

// 20 January 2007 is 1 Muharram 1428, the day before 30 Thw al-Hijjah 1427: the Hijri day
// adjustment moves the opening month across the year's end; the Gregorian month stays.
TEST(MonthNavigationTest, CurrentHijriMonthFollowsTheDayAdjustment) {
    struct Case {
        int day, shift;
        ShownMonth month;
    };
    for (const Case& c :
         {Case{20, 0, {H, 1428, 1}}, Case{20, -1, {H, 1427, 12}}, Case{19, 1, {H, 1428, 1}},
          Case{18, 2, {H, 1428, 1}}, Case{18, 1, {H, 1427, 12}}, Case{21, -2, {H, 1427, 12}}}) {
        EXPECT_EQ(CurrentMonth(H, c.day, 1, 2007, c.shift), c.month) << c.day << " " << c.shift;
    }
    EXPECT_EQ(CurrentMonth(G, 31, 12, 2006, 2), (ShownMonth{G, 2006, 12}));
}

}  // namespace
}  // namespace salvenor
