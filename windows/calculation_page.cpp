// The Calculation page.
#include "windows/calculation_page.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstddef>

#include "core/country_conventions.h"
#include "core/prayer_times.h"
#include "core/qibla.h"
#include "core/texts.h"
#include "pages/today_page.h"
#include "platform/calculation_settings.h"
#include "platform/qt/language.h"
#include "platform/qt/ui_text.h"

namespace salvenor {

namespace {

QLabel* HelpLine(const char* text, QWidget* parent) {
    auto* line = new QLabel(UiText(text), parent);
    line->setWordWrap(true);
    QFont small = line->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    line->setFont(small);
    return line;
}

QLabel* BuddyLabel(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(UiText(text), parent);
    label->setBuddy(buddy);
    return label;
}

void SelectData(QComboBox* list, const QVariant& data) {
    const int index = list->findData(data);
    list->setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

CCalculationPage::CCalculationPage(const CConfigFile& config, const Clock& clock, QWidget* parent)
    : CPropertyPage(parent), config_(config), clock_(clock) {
    createControls();
    createLayout();
    connectSignals();
}

void CCalculationPage::createControls() {
    convention_ = new QComboBox(this);
    convention_->addItem(UiText(texts::CalcBuiltInWay), QString());
    for (const Convention& row : Conventions()) {
        convention_->addItem(UiText(std::string(row.label).c_str()),
                             QString::fromUtf8(row.name.data(), static_cast<int>(row.name.size())));
    }
    convention_->addItem(UiText(texts::CustomConventionLabel),
                         QString::fromUtf8(CustomConventionName.data(),
                                           static_cast<int>(CustomConventionName.size())));

    const auto angleBox = [this] {
        auto* box = new QDoubleSpinBox(this);
        box->setRange(MinCustomAngle, MaxCustomAngle);
        box->setDecimals(1);
        box->setSingleStep(0.5);
        box->setSuffix(QStringLiteral("\u00b0"));
        return box;
    };
    fajrAngle_ = angleBox();
    ishaAngle_ = angleBox();
    ishaMinutes_ = new QSpinBox(this);
    ishaMinutes_->setRange(0, MaxCustomIshaMinutes);

    asr_ = new QComboBox(this);
    asr_->addItem(UiText(texts::CalcAsrStandard), static_cast<int>(AsrShadow::Standard));
    asr_->addItem(UiText(texts::CalcAsrHanafi), static_cast<int>(AsrShadow::Hanafi));

    for (std::size_t i = 0; i < minutes_.size(); ++i) {
        minutes_[i] = new QSpinBox(this);
        minutes_[i]->setRange(MinAdjustMinutes, MaxAdjustMinutes);
        minutes_[i]->setAccessibleName(UiText(texts::CalcMinutesName).arg(UiText(PrayerNames[i])));
    }

    highLatitude_ = new QComboBox(this);
    highLatitude_->addItem(UiText(texts::CalcHighLatitudeSeventh),
                           static_cast<int>(HighLatitudeRule::SeventhOfNight));
    highLatitude_->addItem(UiText(texts::CalcHighLatitudeMiddle),
                           static_cast<int>(HighLatitudeRule::MiddleOfNight));
    highLatitude_->addItem(UiText(texts::CalcHighLatitudeAngle),
                           static_cast<int>(HighLatitudeRule::AngleBased));

    sun_ = new QComboBox(this);
    sun_->addItem(UiText(texts::CalcSunTable), static_cast<int>(SunModel::Table));
    sun_->addItem(UiText(texts::CalcSunComputed), static_cast<int>(SunModel::Computed));

    hijri_ = new QSpinBox(this);
    hijri_->setRange(MinHijriAdjustDays, MaxHijriAdjustDays);

    for (QLabel*& time : times_) {
        time = new QLabel(this);
    }
    proposal_ = new QLabel(this);
    proposal_->setWordWrap(true);
    proposal_->hide();
    qibla_ = new QLabel(this);
}

void CCalculationPage::createLayout() {
    auto* form = new QGridLayout;
    int row = 0;
    const auto addChoice = [&](const char* label, QWidget* control, const char* help) {
        form->addWidget(BuddyLabel(label, control, this), row, 0);
        form->addWidget(control, row, 1);
        ++row;
        form->addWidget(HelpLine(help, this), row, 0, 1, 2);
        ++row;
    };
    form->addWidget(BuddyLabel(texts::CalcConventionLabel, convention_, this), row, 0);
    form->addWidget(convention_, row, 1);
    ++row;
    form->addWidget(HelpLine(texts::CalcConventionHelp, this), row, 0, 1, 2);
    ++row;
    auto* custom = new QHBoxLayout;
    custom->addWidget(BuddyLabel(texts::CalcFajrAngleLabel, fajrAngle_, this));
    custom->addWidget(fajrAngle_);
    custom->addWidget(BuddyLabel(texts::CalcIshaAngleLabel, ishaAngle_, this));
    custom->addWidget(ishaAngle_);
    custom->addWidget(BuddyLabel(texts::CalcIshaMinutesLabel, ishaMinutes_, this));
    custom->addWidget(ishaMinutes_);
    custom->addStretch(1);
    form->addLayout(custom, row, 0, 1, 2);
    ++row;
    form->addWidget(HelpLine(texts::CalcCustomHelp, this), row, 0, 1, 2);
    ++row;
    addChoice(texts::CalcAsrLabel, asr_, texts::CalcAsrHelp);

    auto* minutes = new QGridLayout;
    for (std::size_t i = 0; i < minutes_.size(); ++i) {
        const int column = static_cast<int>(i);
        minutes->addWidget(BuddyLabel(PrayerNames[i], minutes_[i], this), 0, column);
        minutes->addWidget(minutes_[i], 1, column);
    }
    form->addWidget(new QLabel(UiText(texts::CalcMinutesLabel), this), row, 0, Qt::AlignTop);
    form->addLayout(minutes, row, 1);
    ++row;
    form->addWidget(HelpLine(texts::CalcMinutesHelp, this), row, 0, 1, 2);
    ++row;
    addChoice(texts::CalcHighLatitudeLabel, highLatitude_, texts::CalcHighLatitudeHelp);
    addChoice(texts::CalcSunLabel, sun_, texts::CalcSunHelp);
    addChoice(texts::CalcHijriLabel, hijri_, texts::CalcHijriHelp);
    form->setColumnStretch(1, 1);

    auto* times = new QGridLayout;
    for (std::size_t i = 0; i < times_.size(); ++i) {
        const int column = static_cast<int>(i);
        times->addWidget(new QLabel(UiText(PrayerNames[i]), this), 0, column);
        times->addWidget(times_[i], 1, column);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(proposal_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(UiText(texts::CalcPreviewLabel), this));
    layout->addLayout(times);
    layout->addWidget(qibla_);
    layout->addStretch(1);
}

void CCalculationPage::connectSignals() {
    const auto changed = [this] {
        if (!filling_) {
            Refresh();
        }
    };
    for (QComboBox* list : {convention_, asr_, highLatitude_, sun_}) {
        connect(list, &QComboBox::currentIndexChanged, this, changed);
    }
    for (QDoubleSpinBox* box : {fajrAngle_, ishaAngle_}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, changed);
    }
    for (QSpinBox* box : minutes_) {
        connect(box, &QSpinBox::valueChanged, this, changed);
    }
    for (QSpinBox* box : {ishaMinutes_, hijri_}) {
        connect(box, &QSpinBox::valueChanged, this, changed);
    }
}

void CCalculationPage::OnInitPage() {
    setOptions(config_.calculationOptions);
    // A country picked before the page was first brought forward.
    ApplyPendingProposal();
}

void CCalculationPage::showEvent(QShowEvent* event) {
    CPropertyPage::showEvent(event);
    ApplyPendingProposal();
}

CalculationOptions CCalculationPage::options() const {
    CalculationOptions o;
    o.convention = convention_->currentData().toString().toStdString();
    o.customFajrAngle = fajrAngle_->value();
    o.customIshaAngle = ishaAngle_->value();
    o.customIshaMinutes = ishaMinutes_->value();
    o.asr = static_cast<AsrShadow>(asr_->currentData().toInt());
    for (std::size_t i = 0; i < minutes_.size(); ++i) {
        o.adjustMinutes[i] = minutes_[i]->value();
    }
    o.highLatitude = static_cast<HighLatitudeRule>(highLatitude_->currentData().toInt());
    o.sun = static_cast<SunModel>(sun_->currentData().toInt());
    o.hijriAdjustDays = hijri_->value();
    return o;
}

void CCalculationPage::setOptions(const CalculationOptions& o) {
    filling_ = true;
    SelectData(convention_, QString::fromStdString(o.convention));
    fajrAngle_->setValue(o.customFajrAngle);
    ishaAngle_->setValue(o.customIshaAngle);
    ishaMinutes_->setValue(o.customIshaMinutes);
    SelectData(asr_, static_cast<int>(o.asr));
    for (std::size_t i = 0; i < minutes_.size(); ++i) {
        minutes_[i]->setValue(o.adjustMinutes[i]);
    }
    SelectData(highLatitude_, static_cast<int>(o.highLatitude));
    SelectData(sun_, static_cast<int>(o.sun));
    hijri_->setValue(o.hijriAdjustDays);
    filling_ = false;
    Refresh();
}

void CCalculationPage::ProposeForCountry(const std::string& country) {
    pendingCountry_ = country;
    if (created() && isVisible()) {
        ApplyPendingProposal();
    }
}

void CCalculationPage::ApplyPendingProposal() {
    if (!pendingCountry_ || !created()) {
        return;
    }
    const CountryConvention proposal = ConventionForCountry(*pendingCountry_);
    pendingCountry_.reset();
    CalculationOptions o = options();
    o.convention = std::string(proposal.convention);
    o.asr = proposal.asr;
    setOptions(o);
    proposal_->setText(UiText(texts::CalcProposal)
                           .arg(QString::fromStdString(std::string(proposal.country)),
                                convention_->currentText()));
    proposal_->show();
}

void CCalculationPage::Refresh() {
    const CalculationOptions o = options();
    const bool custom = o.convention == CustomConventionName;
    for (QWidget* field : std::initializer_list<QWidget*>{fajrAngle_, ishaAngle_, ishaMinutes_}) {
        field->setEnabled(custom);
    }
    // Isha goes by minutes once they are set; its angle then has no say.
    ishaAngle_->setEnabled(custom && o.customIshaMinutes == 0);

    PrayerSettings settings = config_.prayerSettings();
    if (place_) {
        const CityCoordinates place = place_();
        settings.latitude = place.latitude;
        settings.longitude = place.longitude;
        settings.altitude = place.altitude;
    }
    settings.calculation = o;
    const std::array<DecimalHours, 6> times = ComputePrayerTimes(clock_.now(), settings);
    for (std::size_t i = 0; i < times_.size(); ++i) {
        const int index = static_cast<int>(i);
        times_[i]->setText(QString::fromStdString(FormatDecimalTime(index, times[i], UiWords())));
    }
    // The Qibla of the place whose times are shown.
    qibla_->setText(UiText(texts::CalcQiblaLine)
                        .arg(QString::fromStdString(QiblaText(
                            QiblaBearing(settings.latitude, settings.longitude), UiWords()))));
    qibla_->show();
    emit optionsChanged(o);
}

void CCalculationPage::OnOK() {
    chosen_ = options();
}

}  // namespace salvenor
