// The Date Adjustments page.
#include "windows/date_adj_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cstddef>
#include <limits>
#include <string>

#include "core/hijri.h"
#include "core/number_text.h"
#include "core/texts.h"
#include "windows/field_exchange.h"

namespace salvenor {

namespace {

QLabel* NewLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setAccessibleName(QString::fromUtf8(text));
    return label;
}

}  // namespace

std::uint32_t HijriDayOfMonth(ClockTime now, int hijriAdjustDays) {
    const auto day = ScanLeadingInteger(FormatHijriDate(now, hijriAdjustDays));
    if (!day || *day < 0 || *day > std::numeric_limits<std::uint32_t>::max()) {
        return 0;
    }
    return static_cast<std::uint32_t>(*day);
}

CDateAdj::CDateAdj(MessageBoxes& boxes, QWidget* parent) : CPropertyPage(parent), boxes_(boxes) {
    createControls();
    createLayout();
}

void CDateAdj::createControls() {
    note_ = NewLabel(texts::DateAdjNotSupported, this);
    overwrite_ = NewLabel(texts::DateAdjOverwrite, this);
    today_ = NewLabel(texts::DateAdjTodayIs, this);
    of_ = NewLabel(texts::DateAdjOf, this);

    dayEdit_ = new QLineEdit(this);
    dayEdit_->setAccessibleName(QString::fromUtf8(texts::DateAdjDayName));
    fx::RestrictTyping(dayEdit_, fx::TypedNumber::Digits);
    dayEdit_->setMaximumWidth(dayEdit_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                              16);
    today_->setBuddy(dayEdit_);

    monthList_ = new QComboBox(this);
    monthList_->setAccessibleName(QString::fromUtf8(texts::DateAdjMonthName));
    monthList_->addItem(QString::fromUtf8(texts::ChoseHijriMonth));
    for (std::size_t i = 0; i < HijriMonthNames.size(); ++i) {
        QString name = QString::fromUtf8(HijriMonthNames[i]);
        if (i == 2) {
            name.chop(1);  // the list has always shown the third month one letter short
        }
        monthList_->addItem(name);
    }
    monthList_->setCurrentIndex(-1);
    of_->setBuddy(monthList_);

    for (QWidget* w : {static_cast<QWidget*>(overwrite_), static_cast<QWidget*>(today_),
                       static_cast<QWidget*>(dayEdit_), static_cast<QWidget*>(of_),
                       static_cast<QWidget*>(monthList_)}) {
        w->setEnabled(false);
    }
    setTabOrder(dayEdit_, monthList_);
}

void CDateAdj::createLayout() {
    auto* date = new QGridLayout;
    date->addWidget(overwrite_, 0, 0, 1, 4);
    date->addWidget(today_, 1, 0);
    date->addWidget(dayEdit_, 1, 1);
    date->addWidget(of_, 1, 2);
    date->addWidget(monthList_, 1, 3);
    date->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addSpacing(8);
    layout->addLayout(date);
    layout->addStretch(1);
}

void CDateAdj::OnInitPage() {
    fx::ShowInteger(dayEdit_, day_);
    monthList_->setCurrentIndex(monthIndex_);
}

bool CDateAdj::OnKillActive() {
    monthIndex_ = monthList_->currentIndex();
    unsigned value = day_;
    const bool accepted = fx::ReadPositiveIntegerInRange(dayEdit_, value, MinDay, MaxDay, boxes_);
    day_ = value;
    return accepted;
}

}  // namespace salvenor
