// "Calculation": the Setup sheet's page for the choices of salvenor.ini beyond the built-in ways:
// the convention (or custom angles), the Asr shadow, minutes added to each time, the rule for
// high latitudes, the sun, and the Hijri day adjustment, with today's six times for the choices on
// screen. After a country is picked it proposes the convention of that country's authorities.
#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "citydb/city_database.h"
#include "config/config_file.h"
#include "core/calculation_options.h"
#include "platform/clock.h"
#include "windows/property_sheet.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace salvenor {

class CCalculationPage final : public CPropertyPage {
    Q_OBJECT

  public:
    CCalculationPage(const CConfigFile& config, const Clock& clock, QWidget* parent = nullptr);

    // The place the times on the page are shown for (the sheet passes the one chosen on screen);
    // without it, the stored place.
    void setPlaceSource(std::function<CityCoordinates()> place) { place_ = std::move(place); }

    // The options the controls show.
    CalculationOptions options() const;
    void setOptions(const CalculationOptions& options);

    // The country just picked: its authorities' convention and Asr are proposed the next time
    // the page is shown, and kept only if the sheet ends with OK.
    void ProposeForCountry(const std::string& country);

    // Set by OK: the options to keep (empty when the page was never set up, or after Cancel).
    const std::optional<CalculationOptions>& chosen() const { return chosen_; }
    void OnOK() override;

    QComboBox* conventionList() const { return convention_; }
    QDoubleSpinBox* fajrAngleBox() const { return fajrAngle_; }
    QDoubleSpinBox* ishaAngleBox() const { return ishaAngle_; }
    QSpinBox* ishaMinutesBox() const { return ishaMinutes_; }
    QComboBox* asrList() const { return asr_; }
    QSpinBox* minutesBox(int prayer) const { return minutes_.at(static_cast<std::size_t>(prayer)); }
    QComboBox* highLatitudeList() const { return highLatitude_; }
    QComboBox* sunList() const { return sun_; }
    QSpinBox* hijriBox() const { return hijri_; }
    QLabel* timeLabel(int prayer) const { return times_.at(static_cast<std::size_t>(prayer)); }
    QLabel* proposalLine() const { return proposal_; }
    // The Qibla direction of the place whose times are shown.
    QLabel* qiblaLine() const { return qibla_; }

  signals:
    // The options on screen changed (the Advanced Setup page names the convention in force).
    void optionsChanged(const salvenor::CalculationOptions& options);

  protected:
    void OnInitPage() override;
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void createLayout();
    void connectSignals();
    void ApplyPendingProposal();
    // The custom fields follow the convention; the times follow every choice.
    void Refresh();

    const CConfigFile& config_;
    const Clock& clock_;
    std::function<CityCoordinates()> place_;
    std::optional<std::string> pendingCountry_;
    std::optional<CalculationOptions> chosen_;
    bool filling_ = false;  // while setOptions fills the controls

    QComboBox* convention_ = nullptr;
    QDoubleSpinBox* fajrAngle_ = nullptr;
    QDoubleSpinBox* ishaAngle_ = nullptr;
    QSpinBox* ishaMinutes_ = nullptr;
    QComboBox* asr_ = nullptr;
    std::array<QSpinBox*, 6> minutes_{};
    QComboBox* highLatitude_ = nullptr;
    QComboBox* sun_ = nullptr;
    QSpinBox* hijri_ = nullptr;
    std::array<QLabel*, 6> times_{};
    QLabel* proposal_ = nullptr;
    QLabel* qibla_ = nullptr;
};

}  // namespace salvenor
