// "Country And city selection": the settings page on which the user picks a country from the
// world city database, then a first letter, then a city, or types the coordinates of a place.
#pragma once

#include <QComboBox>
#include <array>
#include <memory>
#include <string>

#include "citydb/city_database.h"
#include "config/config_file.h"
#include "platform/message_boxes.h"
#include "windows/property_sheet.h"

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

namespace salvenor {

// A combo box that tells when its drop-down list has closed. The close is reported after the
// choice made in the list has become the current entry; until then the list counts as dropped
// down.
class CDropDownCombo final : public QComboBox {
    Q_OBJECT

  public:
    explicit CDropDownCombo(QWidget* parent = nullptr) : QComboBox(parent) {}

    bool droppedDown() const { return droppedDown_; }
    void showPopup() override;
    void hidePopup() override;

  signals:
    void closedUp();

  private:
    bool droppedDown_ = false;
};

class CCitySelectionPage final : public CPropertyPage {
    Q_OBJECT

  public:
    CCitySelectionPage(CConfigFile& config, MessageBoxes& boxes, std::string databaseDirectory,
                       QWidget* parent = nullptr);
    ~CCitySelectionPage() override;

    // Set by the caller before the sheet opens; shown when the page opens.
    std::string countryDisplayText;
    std::string cityDisplayText;

    // The page's current city: the caller sets the coordinates before the sheet opens and reads
    // them after OK; the name comes from the stored city name when the page opens. Both change
    // when the user picks a city; the coordinates also when they are typed in Location
    // Positioning, which does not touch the record.
    struct CityChoice {
        std::string name;
        CityCoordinates coordinates;
    };
    CityChoice SelectedCity;

    bool countryChosen() const { return countryChosen_; }
    int letterIndex() const { return letterIndex_; }
    const std::string& currentCountryName() const { return currentCountryName_; }

    // Whether the city shown belongs to the country shown: after the country has been changed,
    // only once a city of it has been chosen (or coordinates typed).
    bool cityMatchesCountry() const { return !cityCleared_; }

    // Refuses, with a message, a newly chosen country without a city of it.
    bool OnApplyCheck() override;

    // Stores the country, the city, its letter and the coordinates' name together in the record
    // (the sheet saves the file), unless the country is the database's "Not Valid" record, which
    // is refused with a message.
    void OnOK() override;

    CDropDownCombo* countryList() const { return countryList_; }
    CDropDownCombo* cityList() const { return cityList_; }
    QAbstractButton* letterButton(int index) const;
    QPushButton* notFoundButton() const { return notFound_; }
    QLabel* countryDisplay() const { return countryDisplay_; }
    QLabel* cityDisplay() const { return cityDisplay_; }

  signals:
    // The user picked another country (its name as the database gives it).
    void countryPicked(const std::string& country);

  protected:
    void OnInitPage() override;

  private:
    class ListSink;

    enum class ListCause { Opening, Country, Letter };

    void createControls();
    void createLayout();
    void connectSignals();

    // Lists the cities of the current country and letter; a letter without cities falls back (see
    // the definition). Returns whether the list holds cities.
    bool RebuildCityList(ListCause cause);
    void OnCountryChanged();
    void OnCountryActivated();
    // The city box shows the chosen city: its entry, or its name when the list has no entry.
    void ShowChoiceInBox();
    void OnLetterPressed(int index);
    void OnCitySelected();
    void OnNotFound();

    CConfigFile& config_;
    MessageBoxes& boxes_;
    CityDatabase database_;

    bool countryChosen_ = false;
    int letterIndex_ = 0;
    std::string currentCountryName_;
    CityChoice storedChoice_;      // the choice the page opened with
    bool cityCleared_ = false;     // the country changed and no city of it has been chosen
    bool typedPlace_ = false;      // the current choice is typed coordinates
    CityCoordinateTable table_{};  // entry i: the i-th city of the city list

    CDropDownCombo* countryList_ = nullptr;
    CDropDownCombo* cityList_ = nullptr;
    QButtonGroup* letters_ = nullptr;
    QPushButton* notFound_ = nullptr;
    QLabel* countryDisplay_ = nullptr;
    QLabel* cityDisplay_ = nullptr;
    QGroupBox* cityGroup_ = nullptr;
    std::unique_ptr<ListSink> sink_;
};

}  // namespace salvenor
