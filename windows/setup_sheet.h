// The Setup sheet: the country and city selection page, the Advanced Setup page, then the
// Calculation page. It is run by the "&Setup..." command and by first-run setup.
#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <utility>

#include "citydb/city_database.h"
#include "config/config_file.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "windows/property_sheet.h"

namespace salvenor {

class CAdvancedSetupPage;
class CCalculationPage;
class CCitySelectionPage;

enum class SetupSheetMode {
    Setup,     // the page starts from the stored coordinates, country and city
    FirstRun,  // the page starts from coordinates 0.0 and the texts "Not Valid"
};

// The sheet with its three pages, set up for the mode (an empty caption, as both sheets have).
class CSetupSheet final : public CPropertySheet {
    Q_OBJECT

  public:
    CSetupSheet(CConfigFile& config, MessageBoxes& boxes, const Clock& clock,
                const std::string& databaseDirectory, SetupSheetMode mode,
                QWidget* parent = nullptr);

    CCitySelectionPage* selectionPage() const { return selection_; }
    CAdvancedSetupPage* advancedPage() const { return advanced_; }
    CCalculationPage* calculationPage() const { return calculation_; }

  private:
    CCitySelectionPage* selection_;
    CAdvancedSetupPage* advanced_;
    CCalculationPage* calculation_;
};

struct SetupSheetResult {
    SetupSheetResult() = default;
    SetupSheetResult(bool isAccepted, const CityCoordinates& place,
                     std::optional<CalculationOptions> options = std::nullopt)
        : accepted(isAccepted), chosen(place), calculation(std::move(options)) {}

    bool accepted = false;
    CityCoordinates chosen;  // the selection page's coordinates when the sheet ended with OK
    // The Calculation page's options after OK, when that page was opened.
    std::optional<CalculationOptions> calculation;
};

// Runs the sheet modally. The pages store their own fields in the record when OK runs them;
// nothing is saved until ApplySetupResult.
SetupSheetResult RunSetupSheet(QWidget* parent, CConfigFile& config, MessageBoxes& boxes,
                               const Clock& clock, const std::string& databaseDirectory,
                               SetupSheetMode mode);

// After OK: the record takes the chosen latitude, longitude and altitude, and the file is saved,
// the sheet's one save (the pages' fields and the coordinates together); the Calculation page's
// options, when it was opened, take effect and go to salvenor.ini beside the file (zav.cfg never
// holds them). After Cancel nothing changes and nothing is saved.
void ApplySetupResult(CConfigFile& config, const SetupSheetResult& result);

}  // namespace salvenor
