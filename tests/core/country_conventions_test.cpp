// The convention each country's authorities publish their times with, as the Calculation page
// proposes it.
#include "core/country_conventions.h"

#include <gtest/gtest.h>

namespace salvenor {
namespace {

TEST(CountryConventions, TheCountriesOfTheCityDatabaseGetTheirAuthoritiesConvention) {
    struct Case {
        const char* country;  // as the city database names it
        const char* convention;
        AsrShadow asr;
    };
    const Case cases[] = {
        {"Pakistan", "karachi", AsrShadow::Hanafi},
        {"India", "karachi", AsrShadow::Hanafi},
        {"Bangladesh", "karachi", AsrShadow::Hanafi},
        {"Saudi Arabia", "umm-al-qura", AsrShadow::Standard},
        {"Turkiye", "turkey", AsrShadow::Standard},
        {"Singapore", "singapore", AsrShadow::Standard},
        {"Malaysia", "singapore", AsrShadow::Standard},
        {"Indonesia", "singapore", AsrShadow::Standard},
        {"Iran", "tehran", AsrShadow::Standard},
        {"Kuwait", "kuwait", AsrShadow::Standard},
        {"Qatar", "qatar", AsrShadow::Standard},
        {"United Arab Emirates", "dubai", AsrShadow::Standard},
        {"United Kingdom", "moonsighting", AsrShadow::Standard},
        {"United States", "isna", AsrShadow::Standard},
        {"Canada", "isna", AsrShadow::Standard},
        {"Egypt", "egypt", AsrShadow::Standard},
        // Not listed: the Muslim World League.
        {"France", "mwl", AsrShadow::Standard},
        {"Not Valid", "mwl", AsrShadow::Standard},
        {"", "mwl", AsrShadow::Standard},
        {"pakistan", "mwl", AsrShadow::Standard},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.country);
        const CountryConvention row = ConventionForCountry(c.country);
        EXPECT_EQ(row.convention, c.convention);
        EXPECT_EQ(row.asr, c.asr);
        EXPECT_EQ(row.country, c.country);
        EXPECT_FALSE(row.source.empty());
    }
}

TEST(CountryConventions, EveryRowNamesAConventionOfTheTableAndASource) {
    ASSERT_FALSE(CountryConventions().empty());
    for (const CountryConvention& row : CountryConventions()) {
        SCOPED_TRACE(row.country);
        EXPECT_NE(FindConvention(row.convention), nullptr);
        EXPECT_FALSE(row.source.empty());
        EXPECT_EQ(ConventionForCountry(row.country).convention, row.convention);
    }
}

}  // namespace
}  // namespace salvenor
