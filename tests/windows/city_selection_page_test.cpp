// The country and city selection page: opening from the stored choice, the country and letter
// events, the fallback to A, picking a city, Location Positioning and the page's OK.
#include "windows/city_selection_page.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/windows/city_selection_page_test_support.h"
#include "windows/location_dlg.h"

namespace salvenor {
namespace {

using testing::ChooseInDropDown;
using ::testing::ElementsAre;
using testing::Entries;
using ::testing::IsEmpty;
using testing::KeyDown;
using testing::SettingsFolder;

constexpr int Egypt = 1;
constexpr int France = 2;
constexpr int Iceland = 3;

int Letter(char c) {
    return c - 'A';
}

class CitySelectionPageTest : public ::testing::Test {
  protected:
    explicit CitySelectionPageTest(bool withDatabase = true, bool withNotValid = true)
        : folder(withDatabase, withNotValid) {}

    // Opens the page as its sheet does when it is first shown.
    CCitySelectionPage& Open(const std::string& country, const std::string& city, int letter,
                             CityCoordinates coordinates = {1.0, 2.0, 3.0}) {
        folder.config.countryName = country;
        folder.config.cityName = city;
        folder.config.cityLetterIndex = letter;
        page = std::make_unique<CCitySelectionPage>(folder.config, folder.boxes, folder.path());
        page->countryDisplayText = country;
        page->cityDisplayText = city;
        page->SelectedCity.coordinates = coordinates;
        page->show();
        page->EnsureCreated();
        return *page;
    }

    std::vector<std::string> Messages() const { return folder.boxes.texts(); }
    int CheckedLetter() const {
        for (int k = 0; k < 26; ++k) {
            if (page->letterButton(k)->isChecked()) {
                return k;
            }
        }
        return -1;
    }

    SettingsFolder folder;
    std::unique_ptr<CCitySelectionPage> page;
};

TEST_F(CitySelectionPageTest, OpensOnTheStoredCountryLetterAndCity) {
    const CCitySelectionPage& p = Open("Egypt", "aswan", Letter('A'), {7.0, 8.0, 9.0});

    EXPECT_THAT(Entries(p.countryList()),
                ElementsAre("Chose Country", "Egypt", "France", "Iceland", "Not Valid"));
    EXPECT_EQ(p.countryList()->currentIndex(), Egypt);
    EXPECT_TRUE(p.countryChosen());
    EXPECT_EQ(p.currentCountryName(), "Egypt");
    EXPECT_THAT(Entries(p.cityList()), ElementsAre("Alexandria", "Aswan"));
    EXPECT_EQ(p.cityList()->currentIndex(), 1);  // found without regard to case
    EXPECT_EQ(CheckedLetter(), Letter('A'));
    EXPECT_EQ(p.countryDisplay()->text(), "Egypt");
    EXPECT_EQ(p.cityDisplay()->text(), "aswan");
    // Finding the stored city in the list is not a choice: the caller's coordinates stay.
    EXPECT_EQ(p.SelectedCity.name, "aswan");
    EXPECT_EQ(p.SelectedCity.coordinates.latitude, 7.0);
    EXPECT_EQ(p.SelectedCity.coordinates.altitude, 9.0);
    EXPECT_THAT(Messages(), IsEmpty());
    EXPECT_FALSE(folder.configSaved());
}

TEST_F(CitySelectionPageTest, StoredCityIsShownByItsOwnEntry) {
    // "Cairo" is the whole of entry 0 and the beginning of entry 1: the box shows the city saved.
    const CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    EXPECT_THAT(Entries(p.cityList()), ElementsAre("Cairo", "Cairo Nord"));
    EXPECT_EQ(p.cityList()->currentIndex(), 0);
}

TEST_F(CitySelectionPageTest, StoredCountryNotInTheListTakesTheLastRecord) {
    // No entry is selected, and the lookup of "no selection" gives the summary's last record.
    const CCitySelectionPage& p = Open("", "", Letter('A'));
    EXPECT_EQ(p.countryList()->currentIndex(), -1);
    EXPECT_EQ(p.currentCountryName(), "Not Valid");
    EXPECT_EQ(p.cityList()->count(), 0);  // its offset is the end of the city file
    EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(CitySelectionPageTest, CountryChosenWithTheKeyboardRebuildsTheCityList) {
    CCitySelectionPage& p = Open("Egypt", "Giza", Letter('A'));
    KeyDown(p.countryList());
    EXPECT_EQ(p.countryList()->currentIndex(), France);
    EXPECT_EQ(p.currentCountryName(), "France");
    EXPECT_THAT(Entries(p.cityList()), ElementsAre("Avignon"));
    // No city of the new country is chosen yet, and the box shows none.
    EXPECT_EQ(p.cityList()->currentIndex(), -1);
    EXPECT_EQ(p.cityList()->currentText(), "");
    EXPECT_FALSE(p.cityMatchesCountry());
}

TEST_F(CitySelectionPageTest, CountryChosenInTheOpenListIsTakenWhenTheListCloses) {
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    CDropDownCombo* countries = p.countryList();
    countries->showPopup();
    ASSERT_TRUE(countries->droppedDown());
    // The keys go to the open list; choosing with Return closes it.
    QTest::keyClick(countries->view(), Qt::Key_Down);
    QTest::keyClick(countries->view(), Qt::Key_Return);
    EXPECT_EQ(countries->currentIndex(), France);
    EXPECT_EQ(p.currentCountryName(), "Egypt");  // nothing rebuilt before the close is delivered
    QApplication::processEvents();
    EXPECT_FALSE(countries->droppedDown());
    EXPECT_EQ(p.currentCountryName(), "France");
    // France has no C city: no letter was chosen, so silently the list of its first letter.
    EXPECT_THAT(Messages(), IsEmpty());
    EXPECT_THAT(Entries(p.cityList()), ElementsAre("Avignon"));
}

TEST_F(CitySelectionPageTest, ClosingTheListRebuildsEvenWithoutAChange) {
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    p.cityList()->setCurrentIndex(-1);
    ChooseInDropDown(p.countryList(), Egypt);
    EXPECT_THAT(Entries(p.cityList()), ElementsAre("Cairo", "Cairo Nord"));
    EXPECT_EQ(p.cityList()->currentIndex(), 0);
}

TEST_F(CitySelectionPageTest, PlaceholderLooksUpTheLastRecord) {
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    ChooseInDropDown(p.countryList(), 0);
    EXPECT_EQ(p.currentCountryName(), "Not Valid");
    EXPECT_EQ(p.cityList()->count(), 0);
    EXPECT_THAT(Messages(), IsEmpty());
}

class CitySelectionWithoutNotValidTest : public CitySelectionPageTest {
  protected:
    CitySelectionWithoutNotValidTest() : CitySelectionPageTest(true, false) {}
};

TEST_F(CitySelectionWithoutNotValidTest, PlaceholderTakesTheLastCountry) {
    // With no stored country the lookup takes the last record too.
    CCitySelectionPage& p = Open("", "", Letter('R'));
    EXPECT_EQ(p.currentCountryName(), "Iceland");
    p.cityList()->clear();
    ChooseInDropDown(p.countryList(), 0);
    EXPECT_EQ(p.currentCountryName(), "Iceland");
    EXPECT_THAT(Entries(p.cityList()), ElementsAre("Reykjavik"));
}

TEST_F(CitySelectionPageTest, LetterButtonListsAndChoosesTheLettersFirstCity) {
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    p.letterButton(Letter('L'))->click();
    EXPECT_EQ(p.letterIndex(), Letter('L'));
    EXPECT_THAT(Entries(p.cityList()), ElementsAre("Luxor"));
    EXPECT_EQ(p.cityList()->currentText(), "Luxor");
    EXPECT_EQ(p.SelectedCity.name, "Luxor");
    EXPECT_EQ(p.SelectedCity.coordinates.latitude, 25.6872);
    // The letter is stored with its city at OK.
    EXPECT_EQ(folder.config.cityLetterIndex, Letter('C'));
    EXPECT_FALSE(folder.configSaved());
}

// A letter without cities falls back to A with one message. When A has none either, the list
// stays empty after the same single message.
struct FallbackCase {
    const char* name;
    int country;
    char pressed;
    std::vector<std::string> listed;
};

class LetterFallbackTest : public CitySelectionPageTest,
                           public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(LetterFallbackTest, OneMessageThenTheListOfA) {
    const FallbackCase& c = GetParam();
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    ChooseInDropDown(p.countryList(), c.country);
    folder.boxes.entries.clear();

    p.letterButton(Letter(c.pressed))->click();

    EXPECT_THAT(Messages(), ElementsAre(texts::NoCityWithLetter));
    EXPECT_EQ(folder.boxes.entries.at(0).icon, MessageIcon::None);
    EXPECT_EQ(Entries(p.cityList()), c.listed);
    EXPECT_EQ(CheckedLetter(), 0);
    EXPECT_EQ(p.letterIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, LetterFallbackTest,
    ::testing::Values(FallbackCase{"CountryWithACities", France, 'Q', {"Avignon"}},
                      FallbackCase{"NeitherLetterNorA", Iceland, 'B', {}},
                      FallbackCase{"ANone", Iceland, 'A', {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CitySelectionPageTest, PickingACityTakesItsNameAndCoordinates) {
    CCitySelectionPage& p = Open("Egypt", "Alexandria", Letter('A'));
    ASSERT_EQ(p.cityList()->currentIndex(), 0);

    KeyDown(p.cityList());
    EXPECT_EQ(p.SelectedCity.name, "Aswan");
    EXPECT_EQ(p.SelectedCity.coordinates.latitude, 24.0889);
    EXPECT_EQ(p.SelectedCity.coordinates.longitude, 32.8998);
    EXPECT_EQ(p.SelectedCity.coordinates.altitude, 194.0);

    // Opening and closing the list takes the entry it shows.
    ChooseInDropDown(p.cityList(), 0);
    EXPECT_EQ(p.SelectedCity.name, "Alexandria");
    EXPECT_EQ(p.SelectedCity.coordinates.latitude, 31.2001);
}

TEST_F(CitySelectionPageTest, ClosingAnEmptyCityListChangesNothing) {
    CCitySelectionPage& p = Open("Iceland", "Reykjavik", Letter('R'), {5.0, 6.0, 7.0});
    p.letterButton(Letter('B'))->click();  // Iceland has neither B nor A
    ChooseInDropDown(p.cityList(), 0);
    EXPECT_EQ(p.SelectedCity.name, "Reykjavik");
    EXPECT_EQ(p.SelectedCity.coordinates.latitude, 5.0);
}

// The page stores its fields in the record; the sheet saves the file once, after every page.
TEST_F(CitySelectionPageTest, OkStoresTheNamesForTheSheetToSave) {
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    ChooseInDropDown(p.countryList(), France);  // no C city there: falls back to A
    ChooseInDropDown(p.cityList(), 0);
    p.OnOK();

    EXPECT_EQ(folder.config.countryName, "France");
    EXPECT_EQ(folder.config.cityName, "Avignon");
    EXPECT_EQ(folder.config.cityLetterIndex, 0);  // the letter listed after the fallback, not C
    EXPECT_FALSE(folder.configSaved());
}

// A stored letter without cities falls back once; the page opened again shows no message.
TEST_F(CitySelectionPageTest, AFallenBackLetterDoesNotComeBackAtTheNextOpening) {
    Open("Egypt", "Cairo", Letter('X'));
    EXPECT_THAT(Messages(), ElementsAre(texts::NoCityWithLetter));
    EXPECT_EQ(folder.config.cityLetterIndex, 0);
    folder.boxes.entries.clear();
    page = std::make_unique<CCitySelectionPage>(folder.config, folder.boxes, folder.path());
    page->show();
    page->EnsureCreated();
    EXPECT_THAT(Messages(), IsEmpty());
    EXPECT_THAT(Entries(page->cityList()), ElementsAre("Alexandria", "Aswan"));
}

// The city file gone, another country lists nothing rather than the cities of the one before.
TEST_F(CitySelectionPageTest, UnreadableCityFileEmptiesTheList) {
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    ASSERT_THAT(Entries(p.cityList()), ElementsAre("Cairo", "Cairo Nord"));
    ASSERT_TRUE(QFile::remove(QString::fromStdString(folder.path() + "/IndexWorld.zav")));
    ChooseInDropDown(p.countryList(), France);
    EXPECT_EQ(p.currentCountryName(), "France");
    EXPECT_EQ(p.cityList()->count(), 0);
    EXPECT_EQ(Messages().size(), 1u);  // the file error, once
}

TEST_F(CitySelectionPageTest, OkRefusesTheNotValidCountry) {
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    ChooseInDropDown(p.countryList(), 0);
    folder.boxes.entries.clear();
    p.OnOK();
    EXPECT_THAT(Messages(), ElementsAre(texts::InvalidCountry));
    EXPECT_EQ(folder.config.countryName, "Egypt");
    EXPECT_EQ(folder.config.cityName, "Cairo");
    EXPECT_FALSE(folder.configSaved());
}

TEST_F(CitySelectionPageTest, NamesAreStoredAsTheDatabaseHasThem) {
    // A name that is not valid UTF-8 comes back byte for byte.
    CityDatabaseWriter writer;
    const std::string country = "Caf\xe9";
    const std::string city = "M\xfcnster";
    ASSERT_TRUE(writer.AddCountry({country, {testing::City(country, city, 51.96, 7.63, 60)}}));
    ASSERT_TRUE(writer.WriteFiles(folder.path()));
    CCitySelectionPage& p = Open("", "", Letter('M'));
    ChooseInDropDown(p.countryList(), 1);
    ChooseInDropDown(p.cityList(), 0);
    p.OnOK();
    EXPECT_EQ(folder.config.countryName, country);
    EXPECT_EQ(folder.config.cityName, city);
}

class CitySelectionNoDatabaseTest : public CitySelectionPageTest {
  protected:
    CitySelectionNoDatabaseTest() : CitySelectionPageTest(false) {}
};

TEST_F(CitySelectionNoDatabaseTest, LetterBeforeACountryAsksForTheCountry) {
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    const std::string notFound = QString::fromUtf8(texts::FileNotFound)
                                     .arg(QString::fromUtf8(CountrySummaryFile))
                                     .toStdString();
    EXPECT_THAT(Messages(), ElementsAre(notFound));  // reported once, while opening
    EXPECT_FALSE(p.countryChosen());

    p.letterButton(Letter('B'))->click();
    EXPECT_THAT(Messages(), ElementsAre(notFound, texts::CountryNotSelected));
    EXPECT_EQ(folder.config.cityLetterIndex, Letter('C'));
    EXPECT_EQ(p.window()->focusWidget(), p.countryList());
}

TEST_F(CitySelectionNoDatabaseTest, OkKeepsTheStoredNames) {
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'));
    ChooseInDropDown(p.cityList(), 0);  // the "Chose City" placeholder is no city
    p.OnOK();
    EXPECT_EQ(folder.config.countryName, "Egypt");
    EXPECT_EQ(folder.config.cityName, "Cairo");
    EXPECT_FALSE(folder.configSaved());
}

// Location Positioning, driven once it is up.
void WhenLocationDialogOpens(const std::function<void(CLocationDlg&)>& act) {
    testing::WhenModalOpens<CLocationDlg>(act);
}

TEST_F(CitySelectionPageTest, LocationPositioningStoresTheTypedCoordinates) {
    folder.config.longitude = 31.2357;
    folder.config.latitude = 30.0444;
    folder.config.altitude = 23;
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'), {30.0444, 31.2357, 23});
    std::string shownPlace;
    std::string shownLongitude;
    WhenLocationDialogOpens([&](CLocationDlg& dialog) {
        shownPlace = dialog.placeLabelControl()->text().toStdString();
        shownLongitude = dialog.longitudeEdit()->text().toStdString();
        dialog.longitudeEdit()->clear();
        QTest::keyClicks(dialog.longitudeEdit(), "-58.3816");
        dialog.latitudeEdit()->clear();
        QTest::keyClicks(dialog.latitudeEdit(), "-34.6037");
        dialog.altitudeEdit()->clear();
        QTest::keyClicks(dialog.altitudeEdit(), "25");
        dialog.accept();
    });
    p.notFoundButton()->click();

    EXPECT_EQ(shownPlace, "Egypt - Cairo");
    EXPECT_EQ(shownLongitude, "31.2357");
    // The record takes them only when the sheet ends with OK.
    EXPECT_EQ(folder.config.longitude, 31.2357);
    EXPECT_EQ(folder.config.latitude, 30.0444);
    EXPECT_EQ(folder.config.altitude, 23.0);
    EXPECT_EQ(p.SelectedCity.coordinates.longitude, -58.3816);
    EXPECT_EQ(p.SelectedCity.coordinates.latitude, -34.6037);
    EXPECT_EQ(p.SelectedCity.coordinates.altitude, 25.0);
    EXPECT_FALSE(folder.configSaved());  // the page's OK writes the file
}

TEST_F(CitySelectionPageTest, LocationPositioningCancelledChangesNothing) {
    folder.config.longitude = 31.2357;
    CCitySelectionPage& p = Open("Egypt", "Cairo", Letter('C'), {30.0444, 31.2357, 23});
    WhenLocationDialogOpens([](CLocationDlg& dialog) {
        dialog.longitudeEdit()->setText("10");
        dialog.reject();
    });
    p.notFoundButton()->click();
    EXPECT_EQ(folder.config.longitude, 31.2357);
    EXPECT_EQ(p.SelectedCity.coordinates.longitude, 31.2357);
}

}  // namespace
}  // namespace salvenor
