// Tests of the conventions table and the check of a set of calculation options.
#include "core/calculation_options.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

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
    struct Case {
        const char* what;
        void (*change)(CalculationOptions&);
        bool valid;
    };
    const Case cases[] = {
        {"defaults", [](CalculationOptions&) {}, true},
        {"a row", [](CalculationOptions& o) { o.convention = "umm-al-qura"; }, true},
        {"custom", [](CalculationOptions& o) { o.convention = "custom"; }, true},
        {"unknown name", [](CalculationOptions& o) { o.convention = "leeds"; }, false},
        {"minutes -30", [](CalculationOptions& o) { o.adjustMinutes[Isha] = -30; }, true},
        {"minutes 31", [](CalculationOptions& o) { o.adjustMinutes[Asr] = 31; }, false},
        {"minutes -31", [](CalculationOptions& o) { o.adjustMinutes[Fajr] = -31; }, false},
        {"Hanafi", [](CalculationOptions& o) { o.asr = AsrShadow::Hanafi; }, true},
        {"shadow 3", [](CalculationOptions& o) { o.asr = static_cast<AsrShadow>(3); }, false},
        {"angle rule", [](CalculationOptions& o) { o.highLatitude = HighLatitudeRule::AngleBased; },
         true},
        {"rule 3", [](CalculationOptions& o) { o.highLatitude = static_cast<HighLatitudeRule>(3); },
         false},
        {"sun 2", [](CalculationOptions& o) { o.sun = static_cast<SunModel>(2); }, false},
        {"hijri +2", [](CalculationOptions& o) { o.hijriAdjustDays = 2; }, true},
        {"hijri -3", [](CalculationOptions& o) { o.hijriAdjustDays = -3; }, false},
        {"fajr 25", [](CalculationOptions& o) { o.customFajrAngle = 25; }, true},
        {"fajr 26", [](CalculationOptions& o) { o.customFajrAngle = 26; }, false},
        {"isha 9", [](CalculationOptions& o) { o.customIshaAngle = 9; }, false},
        {"isha NaN",
         [](CalculationOptions& o) {
             o.customIshaAngle = std::numeric_limits<double>::quiet_NaN();
         },
         false},
        {"isha minutes -1", [](CalculationOptions& o) { o.customIshaMinutes = -1; }, false},
        {"isha minutes 181", [](CalculationOptions& o) { o.customIshaMinutes = 181; }, false},
    };
    for (const Case& c : cases) {
        CalculationOptions o;
        c.change(o);
        EXPECT_EQ(ValidCalculationOptions(o), c.valid) << c.what;
    }
}

}  // namespace
}  // namespace salvenor
