// Tests of the conventions table and the check of a set of calculation options.
#include "core/calculation_options.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

#include "core/prayer_times.h"

namespace salvenor {
namespace {

TEST(Conventions, ListsEachPublishedConventionWithItsAnglesAndSource) {
    struct Row {
        const char* name;
        double fajr;
        double isha;  // ignored where Isha is an interval
        int ishaMinutes;
        int ramadanIshaMinutes;
        double maghribAngle;
    };
    const Row rows[] = {
        {"karachi", 18, 18, 0, 0, 0},
        {"kuwait", 18, 17.5, 0, 0, 0},
        {"qatar", 18, 0, 90, 0, 0},
        {"dubai", 18.2, 18.2, 0, 0, 0},
        {"singapore", 20, 18, 0, 0, 0},
        {"tehran", 17.7, 14, 0, 0, 4.5},
        {"turkey", 18, 17, 0, 0, 0},
        {"moonsighting", 18, 18, 0, 0, 0},
        {"umm-al-qura", 18.5, 0, 90, 120, 0},
        {"mwl", 18, 17, 0, 0, 0},
        {"isna", 15, 15, 0, 0, 0},
        {"egypt", 19.5, 17.5, 0, 0, 0},
    };
    ASSERT_EQ(Conventions().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.name);
        const Convention* c = FindConvention(r.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c, &Conventions()[i]);  // listed in this order
        EXPECT_EQ(c->fajrAngle, r.fajr);
        EXPECT_EQ(c->ishaMinutes, r.ishaMinutes);
        if (r.ishaMinutes == 0) {
            EXPECT_EQ(c->ishaAngle, r.isha);
        }
        EXPECT_EQ(c->ramadanIshaMinutes, r.ramadanIshaMinutes);
        EXPECT_EQ(c->maghribAngle, r.maghribAngle);
        EXPECT_EQ(c->seasonalTwilight, std::string(r.name) == "moonsighting");
        EXPECT_FALSE(c->label.empty());
        EXPECT_GT(c->source.size(), 30u) << "who publishes it, and where";
    }
    EXPECT_EQ(FindConvention("Karachi"), nullptr);
    EXPECT_EQ(FindConvention(CustomConventionName), nullptr);
    EXPECT_EQ(FindConvention(""), nullptr);
}

TEST(ValidCalculationOptions, AcceptsEachChoiceInItsRangeOnly) {
    using O = CalculationOptions;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<O, bool> cases[] = {
        {O{}, true},
        {O{.convention = "umm-al-qura"}, true},
        {O{.convention = "custom"}, true},
        {O{.convention = "leeds"}, false},
        {O{.adjustMinutes = {-30, 0, 0, 0, 0, 30}}, true},
        {O{.adjustMinutes = {0, 0, 0, 31, 0, 0}}, false},
        {O{.adjustMinutes = {-31, 0, 0, 0, 0, 0}}, false},
        {O{.asr = AsrShadow::Hanafi}, true},
        {O{.asr = static_cast<AsrShadow>(3)}, false},
        {O{.highLatitude = HighLatitudeRule::AngleBased}, true},
        {O{.highLatitude = static_cast<HighLatitudeRule>(3)}, false},
        {O{.sun = static_cast<SunModel>(2)}, false},
        {O{.hijriAdjustDays = 2}, true},
        {O{.hijriAdjustDays = -3}, false},
        {O{.customFajrAngle = 25}, true},
        {O{.customFajrAngle = 26}, false},
        {O{.customIshaAngle = 9}, false},
        {O{.customIshaAngle = nan}, false},
        {O{.customIshaMinutes = -1}, false},
        {O{.customIshaMinutes = 181}, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(ValidCalculationOptions(cases[i].first), cases[i].second) << "case " << i;
    }
}

}  // namespace
}  // namespace salvenor
