// The Setup sheet and its entry point.
#include "windows/setup_sheet.h"

#include <QString>

#include "core/texts.h"
#include "platform/calculation_settings.h"
#include "platform/qt/ui_text.h"
#include "platform/settings_file.h"
#include "windows/advanced_setup_page.h"
#include "windows/calculation_page.h"
#include "windows/city_selection_page.h"
#include "windows/settings_saving.h"

namespace salvenor {

CSetupSheet::CSetupSheet(CConfigFile& config, MessageBoxes& boxes, const Clock& clock,
                         const std::string& databaseDirectory, SetupSheetMode mode, QWidget* parent)
    : CPropertySheet(QString(), parent),
      selection_(new CCitySelectionPage(config, boxes, databaseDirectory)),
      advanced_(new CAdvancedSetupPage(config, boxes, clock)),
      calculation_(new CCalculationPage(config, clock)) {
    // The caption is empty; assistive tools still learn which sheet this is.
    setAccessibleName(UiText(texts::SetupSheetName));
    AddPage(selection_, UiText(texts::CitySelectionTitle));
    AddPage(advanced_, UiText(texts::AdvancedSetupTitle));
    AddPage(calculation_, UiText(texts::CalculationTitle));
    // The times on the Calculation page are those of the place chosen on the first page.
    calculation_->setPlaceSource([this] { return selection_->SelectedCity.coordinates; });
    connect(selection_, &CCitySelectionPage::countryPicked, calculation_,
            &CCalculationPage::ProposeForCountry);
    connect(calculation_, &CCalculationPage::optionsChanged, this,
            [this](const CalculationOptions& options) {
                if (advanced_->created()) {
                    advanced_->ShowConventionInForce(options);
                }
            });
    if (mode == SetupSheetMode::Setup) {
        selection_->SelectedCity.coordinates = {config.latitude, config.longitude, config.altitude};
        selection_->countryDisplayText = config.countryName;
        selection_->cityDisplayText = config.cityName;
    } else {
        selection_->SelectedCity.coordinates = {0.0, 0.0, 0.0};
        selection_->countryDisplayText = texts::InvalidCountryName;
        selection_->cityDisplayText = texts::InvalidCountryName;
    }
}

SetupSheetResult RunSetupSheet(QWidget* parent, CConfigFile& config, MessageBoxes& boxes,
                               const Clock& clock, const std::string& databaseDirectory,
                               SetupSheetMode mode) {
    CSetupSheet sheet(config, boxes, clock, databaseDirectory, mode, parent);
    SetupSheetResult result;
    result.accepted = sheet.exec() == QDialog::Accepted;
    if (result.accepted) {
        result.chosen = sheet.selectionPage()->SelectedCity.coordinates;
        result.calculation = sheet.calculationPage()->chosen();
    }
    return result;
}

void ApplySetupResult(CConfigFile& config, const SetupSheetResult& result) {
    if (!result.accepted) {
        return;
    }
    config.latitude = result.chosen.latitude;
    config.longitude = result.chosen.longitude;
    config.altitude = result.chosen.altitude;
    config.SaveSettings();
    if (result.calculation) {
        config.calculationOptions = *result.calculation;
        SettingsFile settings(SettingsPathBeside(config.configPath));
        WriteCalculationOptions(settings, *result.calculation);
        SaveSettingsOrSay(settings, config.messageBoxes());
    }
}

}  // namespace salvenor
