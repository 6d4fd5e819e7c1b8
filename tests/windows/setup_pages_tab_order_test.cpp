// The keyboard's path through the two Setup pages: the Tab key visits their controls in the order
// they have always had.
#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/config_file.h"
#include "tests/support/fakes.h"
#include "windows/advanced_setup_page.h"
#include "windows/city_selection_page.h"

namespace salvenor {
namespace {

using ::testing::ElementsAreArray;

// The controls the Tab key can stop at, in the focus chain's order from the page on. A control
// that hands its focus to another (an editable list's own edit) is not a stop of its own.
std::vector<QWidget*> TabStops(QWidget& page) {
    std::vector<QWidget*> stops;
    for (QWidget* w = page.nextInFocusChain(); w != &page && stops.size() < 100;
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->focusProxy() == nullptr &&
            page.isAncestorOf(w)) {
            stops.push_back(w);
        }
    }
    return stops;
}

class SetupPagesTabOrderTest : public ::testing::Test {
  protected:
    testing::RecordingMessageBoxes boxes;
    CConfigFile config{boxes};
    FakeClock clock{1'700'000'000};
};

TEST_F(SetupPagesTabOrderTest, CitySelectionGoesCountryCityNotFoundTheLettersThenTheSearch) {
    CCitySelectionPage page(config, boxes, "no-such-folder");
    std::vector<QWidget*> expected = {page.countryList(), page.cityList(), page.notFoundButton()};
    for (int k = 0; k < 26; ++k) {
        expected.push_back(page.letterButton(k));
    }
    expected.push_back(page.searchField());
    expected.push_back(page.searchResults());
    EXPECT_THAT(TabStops(page), ElementsAreArray(expected));
}

TEST_F(SetupPagesTabOrderTest, AdvancedSetupGoesZoneOffsetThenTheConventions) {
    CAdvancedSetupPage page(config, boxes, clock);
    const std::vector<QWidget*> expected = {
        page.followButton(), page.customButton(), page.offsetEdit(), page.wayButton(0),
        page.wayButton(1),   page.wayButton(2),   page.wayButton(3)};
    EXPECT_THAT(TabStops(page), ElementsAreArray(expected));
}

}  // namespace
}  // namespace salvenor
