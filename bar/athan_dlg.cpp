// The athan window.
#include "bar/athan_dlg.h"

#include <QAccessible>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/paths.h"
#include "core/prayer_times.h"
#include "core/str_printf.h"
#include "core/texts.h"
#include "platform/qt/language.h"
#include "platform/qt/ui_text.h"
#include "windows/screen_fit.h"

namespace salvenor {

namespace {

// The window is 247 x 248 dialog units of an 8-point font: about 370 x 403 pixels.
constexpr QSize AthanMinimumSize(370, 403);
constexpr QSize MosquePictureSize(321, 246);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A prayer's clock time as every window writes it, in the user's language and digits.
std::string UiTime(int index, DecimalHours time) {
    return FormatDecimalTime(index, time, UiWords());
}

}  // namespace

CAthanDlg::CAthanDlg(const AthanRequest& request, AlertContext& context, QWidget* parent)
    : CAlertDlg(context, texts::AthanCaption, false, false, parent), request_(request) {
    createControls();
    createLayout();
    connectSignals();
}

void CAthanDlg::createControls() {
    const int index = WrapPrayerIndex(request_.prayerIndex);
    const int next = WrapPrayerIndex(request_.nextIndex);

    headline_ =
        new QLabel(Q(StrPrintf(UiString(texts::AthanHeadline).c_str(),
                               UiTime(index, request_.prayerTime).c_str(),
                               UiString(PrayerNames[static_cast<std::size_t>(index)]).c_str())),
                   this);
    headline_->setObjectName(QStringLiteral("headline"));
    headline_->setAlignment(Qt::AlignCenter);
    headline_->setWordWrap(true);
    headline_->setMinimumHeight(34);
    // The window carries its headline as its name, so a screen reader says it when it opens.
    setAccessibleName(headline_->text());

    picture_ = new QLabel(this);
    picture_->setPixmap(QPixmap(QStringLiteral(":/alerts/mosque_sunset.png")));
    picture_->setFixedSize(MosquePictureSize);

    nextLabel_ = new QLabel(UiText(texts::AthanNextSalaLabel), this);
    nextFrame_ = new QFrame(this);
    nextFrame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    nextFrame_->setMinimumSize(200, 28);
    auto* nextPrayer =
        new QLabel(Q(StrPrintf(UiString(texts::AthanNextPrayer).c_str(),
                               UiString(PrayerNames[static_cast<std::size_t>(next)]).c_str(),
                               UiTime(next, request_.nextTime).c_str())),
                   nextFrame_);
    nextPrayer->setObjectName(QStringLiteral("nextPrayer"));
    nextPrayer->setAlignment(Qt::AlignCenter);
    auto* frameLayout = new QHBoxLayout(nextFrame_);
    frameLayout->setContentsMargins(4, 2, 4, 2);
    frameLayout->addWidget(nextPrayer);

    closeButton_ = new QPushButton(UiText(texts::AthanCloseWindow), this);
    closeButton_->setObjectName(QStringLiteral("closeWindow"));
    stopButton_ = new QPushButton(UiText(texts::AthanStop), this);
    stopButton_->setObjectName(QStringLiteral("stopAthan"));
    stopButton_->setDefault(true);
    for (QPushButton* button : {closeButton_, stopButton_}) {
        button->setMinimumSize(75, 23);
    }
}

void CAthanDlg::createLayout() {
    // Laid out as the window has always looked: headline, picture, the reminder row, and below
    // it the next prayer on the left and the two buttons on the right.
    auto* nextColumn = new QVBoxLayout;
    nextColumn->addWidget(nextLabel_);
    nextColumn->addWidget(nextFrame_);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(closeButton_);
    buttonColumn->addWidget(stopButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(nextColumn);
    bottom->addStretch(1);
    bottom->addLayout(buttonColumn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 11, 31, 11);
    layout->addWidget(headline_);
    // A silent athan is explained once a run, in the first window that would have sounded.
    if (request_.playSound && !context().sound.hasOutputDevice() &&
        !context().noDeviceNoticeShown) {
        context().noDeviceNoticeShown = true;
        auto* noDevice = new QLabel(Q(texts::NoSoundDevice), this);
        noDevice->setObjectName(QStringLiteral("noSoundDevice"));
        noDevice->setAlignment(Qt::AlignCenter);
        layout->addWidget(noDevice);
    }
    layout->addWidget(picture_, 0, Qt::AlignLeft);
    layout->addSpacing(8);
    auto* rowIndent = new QHBoxLayout;
    rowIndent->addSpacing(13);
    rowIndent->addWidget(remindRow());
    layout->addLayout(rowIndent);
    layout->addSpacing(4);
    auto* bottomIndent = new QHBoxLayout;
    bottomIndent->addSpacing(13);
    bottomIndent->addLayout(bottom);
    layout->addLayout(bottomIndent);
    fixSize(AthanMinimumSize);
}

void CAthanDlg::connectSignals() {
    connect(closeButton_, &QPushButton::clicked, this, &CAthanDlg::OnCloseWindow);
    connect(stopButton_, &QPushButton::clicked, this, &CAthanDlg::OnStopAthan);
}

void CAthanDlg::firstShown() {
    const QPoint cursor = QCursor::pos();
    MoveCentredOnScreen(*this, QGuiApplication::screenAt(cursor), cursor);
    if (request_.playSound) {
        context().sound.play(NativePath(request_.soundPath));
    }
    stopButton_->setFocus();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void CAthanDlg::OnStopAthan() {
    if (closed()) {
        return;
    }
    if (request_.playSound) {
        context().sound.stop();
    }
    OnCloseWindow();
}

void CAthanDlg::OnCloseWindow() {
    closeAfterReading(true);
}

void CAthanDlg::CloseAsCloseWindow() {
    closeUnattended();
}

}  // namespace salvenor
