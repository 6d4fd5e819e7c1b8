// "Advanced Setup": the settings page for the time-zone offset (followed from the system or
// typed) and the calculation convention.
#pragma once

#include <array>

#include "config/config_file.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "windows/property_sheet.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace salvenor {

class CAdvancedSetupPage final : public CPropertyPage {
    Q_OBJECT

  public:
    CAdvancedSetupPage(CConfigFile& config, MessageBoxes& boxes, const Clock& clock,
                       QWidget* parent = nullptr);

    // The page's fields.
    int customOffset() const { return customOffset_; }
    bool followFlag() const { return followFlag_; }
    int calculationWay() const { return calculationWay_; }

    // Reads the offset edit while "Custom:" is chosen (an integer in -12..13) and the chosen
    // convention; on a refused offset the fields keep their values.
    bool OnKillActive() override;

    // Stores the time-zone choice and the convention in the record; the sheet saves the file.
    void OnOK() override;

    QRadioButton* followButton() const { return follow_; }
    QRadioButton* customButton() const { return custom_; }
    QLineEdit* offsetEdit() const { return offsetEdit_; }
    QRadioButton* wayButton(int way) const { return ways_.at(static_cast<std::size_t>(way)); }
    // Under the ways: which convention of the Calculation page is in force instead of them
    // (hidden while none is).
    QLabel* conventionLine() const { return conventionLine_; }

    // Shows the line for the options chosen (stored, or on the Calculation page); the four
    // buttons keep their stored value either way.
    void ShowConventionInForce(const CalculationOptions& options);

  protected:
    void OnInitPage() override;

  private:
    void createControls();
    void createLayout();
    void connectSignals();

    void ChooseFollow();
    void ChooseCustom();
    // Reads the controls into the page's fields; false (the fields unchanged) on a refused offset.
    bool ReadControls();

    CConfigFile& config_;
    MessageBoxes& boxes_;
    const Clock& clock_;

    int customOffset_ = 0;
    bool followFlag_ = false;
    int calculationWay_ = 0;

    QRadioButton* follow_ = nullptr;
    QRadioButton* custom_ = nullptr;
    QLineEdit* offsetEdit_ = nullptr;
    QGroupBox* zoneGroup_ = nullptr;
    QGroupBox* wayGroup_ = nullptr;
    QButtonGroup* wayButtons_ = nullptr;
    std::array<QRadioButton*, 4> ways_{};
    QLabel* conventionLine_ = nullptr;
};

}  // namespace salvenor
