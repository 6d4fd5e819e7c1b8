// The city search of the selection page, and the city box's own typing: results best first with
// their coordinates, a result chosen exactly as the drop-down list chooses, the drop-down list
// wide enough for its longest name.
#include <QAbstractItemView>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/windows/city_selection_page_test_support.h"
#include "windows/city_selection_page.h"

namespace salvenor {
namespace {

using testing::City;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::SettingsFolder;

const std::string LongName = "Poselok Turisticheskogo pansionata Klyazminskoe vodohranilische";

// Mexico with look-alikes, a name outside the letters and a long name; a country of one city.
void WriteMexico(const std::string& directory) {
    CityDatabaseWriter writer;
    const std::string mx = "Mexico";
    ASSERT_TRUE(writer.AddCountry(
        {mx,
         {City(mx, "9 de Julio", 19.5, -99.1, 2240),
          City(mx, "Aguascalientes", 21.88, -102.29, 1888), City(mx, LongName, 19.0, -99.0, 2000),
          City(mx, "Queretaro", 20.59, -100.39, 1820),
          City(mx, "San Luis Potosi", 22.14982, -100.97916, 1860),
          City(mx, "San Luis Potosi (16.60, -91.65)", 16.6036, -91.64599, 120),
          City(mx, "San Luis de la Paz", 21.3, -100.52, 2030),
          City(mx, "Villa de San Luis", 20.0, -99.5, 1500)}}));
    ASSERT_TRUE(writer.AddCountry({"Vatican", {City("Vatican", "Vatican City", 41.9, 12.45, 75)}}));
    ASSERT_TRUE(writer.AddCountryAtEnd("Not Valid"));
    ASSERT_TRUE(writer.WriteFiles(directory));
}

constexpr int Vatican = 2;

int Letter(char c) {
    return c - 'A';
}

class CitySearchPageTest : public ::testing::Test {
  protected:
    CitySearchPageTest() : folder(false) { WriteMexico(folder.path()); }

    CCitySelectionPage& Open(const std::string& city, int letter) {
        folder.config.countryName = "Mexico";
        folder.config.cityName = city;
        folder.config.cityLetterIndex = letter;
        page = std::make_unique<CCitySelectionPage>(folder.config, folder.boxes, folder.path());
        page->show();
        page->EnsureCreated();
        return *page;
    }

    std::vector<std::string> Results() const {
        std::vector<std::string> rows;
        for (int i = 0; i < page->searchResults()->count(); ++i) {
            rows.push_back(page->searchResults()->item(i)->text().toStdString());
        }
        return rows;
    }

    // Types into the search field and chooses the result in `row` as a click on it does.
    void ChooseResult(const QString& typed, int row) {
        page->searchField()->setText(typed);
        QListWidgetItem* item = page->searchResults()->item(row);
        ASSERT_NE(item, nullptr);
        emit page->searchResults()->itemActivated(item);
    }

    // Types into the city box and presses Enter.
    void TypeIntoCityBox(const QString& typed) {
        QLineEdit* edit = page->cityList()->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QApplication::processEvents();
    }

    SettingsFolder folder;
    std::unique_ptr<CCitySelectionPage> page;
};

TEST_F(CitySearchPageTest, ListsTheCountrysMatchesBestFirstWithTheirCoordinates) {
    Open("Queretaro", Letter('Q'));
    const struct {
        const char* typed;
        std::vector<std::string> rows;
    } cases[] = {
        {"san luis",
         {"San Luis Potosi   (22.15 N, 100.98 W)",
          "San Luis Potosi (16.60, -91.65)   (16.60 N, 91.65 W)",
          "San Luis de la Paz   (21.30 N, 100.52 W)", "Villa de San Luis   (20.00 N, 99.50 W)"}},
        {"QUER\xC3\x89TARO", {"Queretaro   (20.59 N, 100.39 W)"}},
        {"calient", {"Aguascalientes   (21.88 N, 102.29 W)"}},
        {"julio", {"9 de Julio   (19.50 N, 99.10 W)"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        page->searchField()->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(Results(), c.rows) << c.typed;
        EXPECT_TRUE(page->searchNote()->text().isEmpty()) << c.typed;
    }
    page->searchField()->setText("Guadalajara");
    EXPECT_THAT(Results(), IsEmpty());
    EXPECT_EQ(page->searchNote()->text().toStdString(), texts::CitySearchNothingFound);
}

// A result chosen in the search and the same city chosen with its letter and the drop-down list
// leave the same record behind.
TEST_F(CitySearchPageTest, AChosenResultStoresWhatTheDropDownListWould) {
    Open("Queretaro", Letter('Q'));
    ChooseResult("villa", 0);
    EXPECT_EQ(page->letterIndex(), Letter('V'));
    EXPECT_TRUE(page->letterButton(Letter('V'))->isChecked());
    EXPECT_EQ(page->cityList()->currentText().toStdString(), "Villa de San Luis");
    EXPECT_EQ(page->SelectedCity.coordinates.latitude, 20.0);
    EXPECT_EQ(page->SelectedCity.coordinates.longitude, -99.5);
    EXPECT_EQ(page->SelectedCity.coordinates.altitude, 1500.0);
    page->OnOK();
    const ConfigRecord bySearch = folder.config;

    Open("Queretaro", Letter('Q'));
    page->letterButton(Letter('V'))->click();
    testing::ChooseInDropDown(page->cityList(), 0);
    page->OnOK();
    EXPECT_EQ(folder.config.cityName, bySearch.cityName);
    EXPECT_EQ(folder.config.countryName, bySearch.countryName);
    EXPECT_EQ(folder.config.cityLetterIndex, bySearch.cityLetterIndex);
    EXPECT_EQ(page->SelectedCity.coordinates.latitude, 20.0);
    EXPECT_THAT(folder.boxes.entries, IsEmpty());
}

// In a sheet, Enter in the search chooses the result and does not press the sheet's OK; the
// arrow keys walk the results from the field.
TEST_F(CitySearchPageTest, TheKeyboardChoosesAResultWithoutEndingTheSheet) {
    Open("Queretaro", Letter('Q'));
    QDialog sheet;
    auto* layout = new QVBoxLayout(&sheet);
    layout->addWidget(page.get());
    auto* ok = new QPushButton("OK", &sheet);
    ok->setDefault(true);
    layout->addWidget(ok);
    sheet.show();
    QSignalSpy pressed(ok, &QPushButton::clicked);

    QTest::keyClicks(page->searchField(), "san luis");
    QTest::keyClick(page->searchField(), Qt::Key_Down);
    QTest::keyClick(page->searchField(), Qt::Key_Down);
    QTest::keyClick(page->searchField(), Qt::Key_Up);
    QTest::keyClick(page->searchField(), Qt::Key_Return);
    EXPECT_EQ(page->SelectedCity.name, "San Luis Potosi (16.60, -91.65)");

    page->searchResults()->setCurrentRow(3);
    QTest::keyClick(page->searchResults(), Qt::Key_Enter);
    EXPECT_EQ(page->SelectedCity.name, "Villa de San Luis");
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_TRUE(sheet.isVisible());
    page->setParent(nullptr);  // the fixture owns the page
}

TEST_F(CitySearchPageTest, ANameOutsideTheLettersKeepsTheLetterAndTakesTheRecord) {
    Open("Queretaro", Letter('Q'));
    ChooseResult("julio", 0);
    EXPECT_EQ(page->SelectedCity.name, "9 de Julio");
    EXPECT_EQ(page->SelectedCity.coordinates.latitude, 19.5);
    EXPECT_EQ(page->SelectedCity.coordinates.altitude, 2240.0);
    EXPECT_EQ(page->letterIndex(), Letter('Q'));
    EXPECT_EQ(page->cityList()->currentText().toStdString(), "9 de Julio");
    page->OnOK();
    EXPECT_EQ(folder.config.cityName, "9 de Julio");
}

TEST_F(CitySearchPageTest, AnotherCountrySearchesItsOwnCities) {
    Open("Queretaro", Letter('Q'));
    page->searchField()->setText("city");
    EXPECT_THAT(Results(), IsEmpty());
    testing::ChooseInDropDown(page->countryList(), Vatican);
    EXPECT_THAT(Results(), ElementsAre("Vatican City   (41.90 N, 12.45 E)"));
    ChooseResult("vat", 0);
    EXPECT_EQ(page->SelectedCity.name, "Vatican City");
    EXPECT_TRUE(page->cityMatchesCountry());
}

TEST_F(CitySearchPageTest, TextTypedIntoTheCityBoxTakesItsBestEntry) {
    Open("San Luis de la Paz", Letter('S'));
    const struct {
        const char* typed;
        const char* chosen;
        double latitude;
    } cases[] = {
        {"luis potosi", "San Luis Potosi", 22.14982},  // a later word of the name
        {"SAN LUIS DE LA PAZ", "San Luis de la Paz", 21.3},
        {"san luis po", "San Luis Potosi", 22.14982},  // the plain name, not its look-alike
    };
    for (const auto& c : cases) {
        TypeIntoCityBox(c.typed);
        EXPECT_EQ(page->SelectedCity.name, c.chosen) << c.typed;
        EXPECT_EQ(page->SelectedCity.coordinates.latitude, c.latitude) << c.typed;
        EXPECT_EQ(page->cityList()->currentText().toStdString(), c.chosen) << c.typed;
    }
    // Nothing of the letter's list: the box shows the choice again.
    TypeIntoCityBox("zzz");
    EXPECT_EQ(page->SelectedCity.name, "San Luis Potosi");
    EXPECT_EQ(page->cityList()->currentText().toStdString(), "San Luis Potosi");
}

TEST_F(CitySearchPageTest, TheDropDownListIsWideEnoughForItsLongestName) {
    Open("Queretaro", Letter('Q'));
    page->letterButton(Letter('P'))->click();
    QAbstractItemView* view = page->cityList()->view();
    EXPECT_GT(view->minimumWidth(),
              view->fontMetrics().horizontalAdvance(QString::fromStdString(LongName)));
}

}  // namespace
}  // namespace salvenor
