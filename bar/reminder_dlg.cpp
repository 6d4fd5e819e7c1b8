// The reminder window: a chime, two pictures, and the choice to be reminded again.
#include "bar/reminder_dlg.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "bar/schedule.h"
#include "core/paths.h"
#include "core/texts.h"
#include "platform/qt/ui_text.h"
#include "windows/screen_fit.h"

namespace salvenor {

namespace {

// The window is 169 x 174 dialog units of an 8-point font: about 254 x 283 pixels.
constexpr QSize ReminderMinimumSize(254, 283);

QLabel* Picture(const QString& resource, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(resource));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

CReminderDlg::CReminderDlg(AlertContext& context, QWidget* parent)
    : CAlertDlg(context, texts::ReminderCaption, true, true, parent) {
    createControls();
    createLayout();
    connectSignals();
}

void CReminderDlg::createControls() {
    calligraphy_ = Picture(QStringLiteral(":/alerts/reminder_sunset.png"), this);
    calligraphy_->setFrameStyle(QFrame::Box | QFrame::Plain);
    calligraphy_->setFixedSize(119, 116);
    verses_ = Picture(QStringLiteral(":/alerts/reminder_verses.png"), this);
    verses_->setFixedSize(185, 57);

    laterButton_ = new QPushButton(UiText(texts::ReminderLater), this);
    laterButton_->setObjectName(QStringLiteral("later"));
    laterButton_->setMinimumSize(80, 23);
    prayedButton_ = new QPushButton(UiText(texts::ReminderAlreadyPrayed), this);
    prayedButton_->setObjectName(QStringLiteral("alreadyPrayed"));
    prayedButton_->setMinimumSize(112, 23);
    prayedButton_->setDefault(true);

    group_ = new QFrame(this);
    group_->setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void CReminderDlg::createLayout() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(laterButton_);
    buttons->addStretch(1);
    buttons->addWidget(prayedButton_);
    auto* groupLayout = new QVBoxLayout(group_);
    groupLayout->setContentsMargins(10, 10, 10, 6);
    groupLayout->addWidget(remindRow());
    groupLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->addWidget(calligraphy_, 0, Qt::AlignHCenter);
    layout->addWidget(verses_, 0, Qt::AlignHCenter);
    layout->addWidget(group_);
    fixSize(ReminderMinimumSize);
}

void CReminderDlg::connectSignals() {
    connect(laterButton_, &QPushButton::clicked, this, &CReminderDlg::OnLater);
    connect(prayedButton_, &QPushButton::clicked, this, &CReminderDlg::OnAlreadyPrayed);
}

void CReminderDlg::firstShown() {
    MoveCentredOnScreen(*this, parentWidget() != nullptr ? parentWidget()->screen() : nullptr);
    // The chime sounds even when all sounds are muted: the user asked for this reminder.
    context().sound.play(NativePath(ChimeFileName));
    prayedButton_->setFocus();
}

void CReminderDlg::OnLater() {
    closeAfterReading(true);
}

void CReminderDlg::OnAlreadyPrayed() {
    closeAfterReading(false);
}

}  // namespace salvenor
