// The Advanced Setup page.
#include "windows/advanced_setup_page.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/prayer_times.h"
#include "core/texts.h"
#include "pages/today_page.h"
#include "platform/qt/ui_text.h"
#include "windows/field_exchange.h"

namespace salvenor {

CAdvancedSetupPage::CAdvancedSetupPage(CConfigFile& config, MessageBoxes& boxes, const Clock& clock,
                                       QWidget* parent)
    : CPropertyPage(parent), config_(config), boxes_(boxes), clock_(clock) {
    createControls();
    createLayout();
    connectSignals();
}

void CAdvancedSetupPage::createControls() {
    follow_ = new QRadioButton(QString::fromUtf8(texts::FollowWindows), this);
    custom_ = new QRadioButton(QString::fromUtf8(texts::CustomOffset), this);
    offsetEdit_ = new QLineEdit(this);
    // Zones west of Greenwich have negative offsets.
    fx::RestrictTyping(offsetEdit_, fx::TypedNumber::SignedInteger);
    offsetEdit_->setAccessibleName(QString::fromUtf8(texts::CustomOffsetName));
    offsetEdit_->setMaximumWidth(
        offsetEdit_->fontMetrics().horizontalAdvance(QStringLiteral("-000")) + 16);

    zoneGroup_ = new QGroupBox(QString::fromUtf8(texts::TimeZoneGroup), this);
    auto* zoneButtons = new QButtonGroup(zoneGroup_);
    zoneButtons->addButton(follow_);
    zoneButtons->addButton(custom_);

    wayGroup_ = new QGroupBox(QString::fromUtf8(texts::CalculationWayGroup), this);
    wayButtons_ = new QButtonGroup(wayGroup_);
    for (std::size_t i = 0; i < ways_.size(); ++i) {
        ways_[i] = new QRadioButton(QString::fromUtf8(CalculationWayNames.at(i)), wayGroup_);
        wayButtons_->addButton(ways_[i], static_cast<int>(i));
    }
    conventionLine_ = new QLabel(wayGroup_);
    conventionLine_->setWordWrap(true);
    conventionLine_->hide();
}

void CAdvancedSetupPage::createLayout() {
    auto* customRow = new QHBoxLayout;
    customRow->addWidget(custom_);
    customRow->addWidget(offsetEdit_);
    customRow->addWidget(new QLabel(QString::fromUtf8(texts::GmtUnit), zoneGroup_));
    customRow->addStretch(1);
    auto* zoneLayout = new QVBoxLayout(zoneGroup_);
    zoneLayout->addWidget(follow_);
    zoneLayout->addLayout(customRow);

    auto* wayLayout = new QVBoxLayout(wayGroup_);
    for (QRadioButton* way : ways_) {
        wayLayout->addWidget(way);
    }
    wayLayout->addWidget(conventionLine_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(zoneGroup_);
    layout->addWidget(wayGroup_);
    layout->addStretch(1);
}

void CAdvancedSetupPage::connectSignals() {
    connect(follow_, &QRadioButton::clicked, this, &CAdvancedSetupPage::ChooseFollow);
    connect(custom_, &QRadioButton::clicked, this, &CAdvancedSetupPage::ChooseCustom);
    connect(wayButtons_, &QButtonGroup::idClicked, this, [this](int id) { calculationWay_ = id; });
}

void CAdvancedSetupPage::OnInitPage() {
    // The page shows the stored state once, when it is first brought forward; later repaints
    // leave the user's unsaved choices alone.
    if (config_.followWindowsZone != 0) {
        follow_->setChecked(true);
        offsetEdit_->setEnabled(false);
        followFlag_ = true;
    } else {
        customOffset_ = config_.gmtOffsetHours;
        custom_->setChecked(true);
        offsetEdit_->setEnabled(true);
        followFlag_ = false;
    }
    calculationWay_ = ValidCalculationWay(config_.calculationWay);
    ways_.at(static_cast<std::size_t>(calculationWay_))->setChecked(true);
    fx::ShowInteger(offsetEdit_, customOffset_);
    ShowConventionInForce(config_.calculationOptions);
}

void CAdvancedSetupPage::ShowConventionInForce(const CalculationOptions& options) {
    if (options.convention.empty()) {
        conventionLine_->hide();
        conventionLine_->clear();
        return;
    }
    const std::string name = ConventionInForce(options, config_.calculationWay);
    conventionLine_->setText(UiText(texts::AdvancedConventionInForce).arg(UiText(name.c_str())));
    conventionLine_->show();
}

void CAdvancedSetupPage::ChooseFollow() {
    offsetEdit_->setEnabled(false);
    followFlag_ = true;
}

void CAdvancedSetupPage::ChooseCustom() {
    offsetEdit_->setEnabled(true);
    followFlag_ = false;
}

bool CAdvancedSetupPage::ReadControls() {
    // While the offset follows the system the edit is disabled and its text is not used, so it
    // is not checked either: a refusal there could not be mended without leaving that choice.
    if (offsetEdit_->isEnabled()) {
        int typed = customOffset_;
        if (!fx::ReadIntegerInRange(offsetEdit_, typed, MinGmtOffsetHours, MaxTypedGmtOffsetHours,
                                    boxes_)) {
            return false;
        }
        customOffset_ = typed;
    }
    for (std::size_t i = 0; i < ways_.size(); ++i) {
        if (ways_[i]->isChecked()) {
            calculationWay_ = static_cast<int>(i);
        }
    }
    return true;
}

bool CAdvancedSetupPage::OnKillActive() {
    return ReadControls();
}

void CAdvancedSetupPage::OnOK() {
    // The sheet has checked the fields when this page was left or when OK was pressed.
    ReadControls();
    config_.followWindowsZone = followFlag_ ? 1 : 0;
    if (!followFlag_) {
        config_.gmtOffsetHours = customOffset_;
    }
    config_.FollowSystemZone(clock_.now());
    config_.calculationWay = calculationWay_;
}

}  // namespace salvenor
