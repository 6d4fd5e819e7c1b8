// The athan window and the reminder row it shares with the reminder window.
#include "bar/athan_dlg.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "core/paths.h"
#include "core/prayer_times.h"
#include "core/str_printf.h"
#include "core/texts.h"
#include "windows/field_exchange.h"

namespace salvenor {

namespace {

// The window is 247 x 248 dialog units of an 8-point font: about 370 x 403 pixels.
constexpr QSize AthanMinimumSize(370, 403);
constexpr QSize MosquePictureSize(321, 246);

// Takes the messages of a reading that nobody is there to see.
class SilentMessageBoxes final : public MessageBoxes {
  public:
    void show(std::string_view, MessageIcon) override {}
    bool askYesNo(std::string_view, MessageIcon) override { return true; }
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Places a window of `size` with its centre on `centre`, kept inside the screen's free area.
QPoint CentredInside(const QPoint& centre, const QSize& size, const QRect& area) {
    const int x = std::clamp(centre.x() - size.width() / 2, area.left(),
                             std::max(area.left(), area.right() + 1 - size.width()));
    const int y = std::clamp(centre.y() - size.height() / 2, area.top(),
                             std::max(area.top(), area.bottom() + 1 - size.height()));
    return {x, y};
}

}  // namespace

RemindAgainRow::RemindAgainRow(bool remindAgain, int minutes, QWidget* parent)
    : QWidget(parent), remindAgain_(remindAgain ? 1 : 0), remindMinutes_(minutes) {
    box_ = new QCheckBox(QString::fromUtf8(texts::RemindAgainMeIn), this);
    box_->setObjectName(QStringLiteral("remindAgain"));
    box_->setChecked(remindAgain);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("remindMinutes"));
    edit_->setAccessibleName(QString::fromUtf8(texts::RemindMinutesName));
    // Digits only, as typed: no sign, so no negative number can arise.
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
    edit_->setFixedWidth(
        std::max(26, edit_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 10));
    edit_->setEnabled(remindAgain);
    fx::ShowInteger(edit_, minutes);
    auto* unit = new QLabel(QString::fromUtf8(texts::RemindMinutes), this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box_);
    layout->addWidget(edit_);
    layout->addWidget(unit);
    layout->addStretch(1);
}

bool RemindAgainRow::Read(MessageBoxes& boxes) {
    remindAgain_ = box_->isChecked() ? 1 : 0;
    return fx::ReadIntegerInRange(edit_, remindMinutes_, 0, MaxRemindMinutes, boxes);
}

void RemindAgainRow::FollowCheckBox(MessageBoxes& boxes) {
    Read(boxes);
    edit_->setEnabled(remindAgain());
}

bool ArmReminderFrom(RemindAgainRow& row, AlertContext& context, MessageBoxes& boxes) {
    if (!row.Read(boxes)) {
        return false;
    }
    if (row.remindAgain() && context.armReminder) {
        context.armReminder(row.minutes());
    }
    return true;
}

CAthanDlg::CAthanDlg(const AthanRequest& request, AlertContext& context, QWidget* parent)
    : QDialog(parent), context_(context), request_(request) {
    const int index = WrapPrayerIndex(request.prayerIndex);
    const int next = WrapPrayerIndex(request.nextIndex);

    setWindowTitle(QString::fromUtf8(texts::AthanCaption));
    // A title bar without a system menu or close box: the buttons and Escape close it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    auto* headline = new QLabel(
        Q(StrPrintf(texts::AthanHeadline, FormatDecimalTime(index, request.prayerTime).c_str(),
                    PrayerNames[static_cast<std::size_t>(index)])),
        this);
    headline->setObjectName(QStringLiteral("headline"));
    headline->setAlignment(Qt::AlignCenter);
    headline->setWordWrap(true);
    headline->setMinimumHeight(34);
    // The window carries its headline as its name, so a screen reader says it when it opens.
    setAccessibleName(headline->text());

    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/alerts/mosque_sunset.png")));
    picture->setFixedSize(MosquePictureSize);

    row_ = new RemindAgainRow(false, FirstRemindMinutes, this);
    connect(row_->checkBox(), &QCheckBox::clicked, this,
            [this] { row_->FollowCheckBox(context_.boxes); });

    auto* nextLabel = new QLabel(QString::fromUtf8(texts::AthanNextSalaLabel), this);
    auto* nextFrame = new QFrame(this);
    nextFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    nextFrame->setMinimumSize(200, 28);
    auto* nextPrayer =
        new QLabel(Q(StrPrintf(texts::AthanNextPrayer, PrayerNames[static_cast<std::size_t>(next)],
                               FormatDecimalTime(next, request.nextTime).c_str())),
                   nextFrame);
    nextPrayer->setObjectName(QStringLiteral("nextPrayer"));
    nextPrayer->setAlignment(Qt::AlignCenter);
    auto* frameLayout = new QHBoxLayout(nextFrame);
    frameLayout->setContentsMargins(4, 2, 4, 2);
    frameLayout->addWidget(nextPrayer);

    auto* closeButton = new QPushButton(QString::fromUtf8(texts::AthanCloseWindow), this);
    closeButton->setObjectName(QStringLiteral("closeWindow"));
    stopButton_ = new QPushButton(QString::fromUtf8(texts::AthanStop), this);
    stopButton_->setObjectName(QStringLiteral("stopAthan"));
    stopButton_->setDefault(true);
    for (QPushButton* button : {closeButton, stopButton_}) {
        button->setMinimumSize(75, 23);
    }
    connect(closeButton, &QPushButton::clicked, this, &CAthanDlg::OnCloseWindow);
    connect(stopButton_, &QPushButton::clicked, this, &CAthanDlg::OnStopAthan);

    // Laid out as the window has always looked: headline, picture, the reminder row, and below
    // it the next prayer on the left and the two buttons on the right.
    auto* nextColumn = new QVBoxLayout;
    nextColumn->addWidget(nextLabel);
    nextColumn->addWidget(nextFrame);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(closeButton);
    buttonColumn->addWidget(stopButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(nextColumn);
    bottom->addStretch(1);
    bottom->addLayout(buttonColumn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 11, 31, 11);
    layout->addWidget(headline);
    // A silent athan is explained once a run, in the first window that would have sounded.
    if (request.playSound && !context.sound.hasOutputDevice() && !context.noDeviceNoticeShown) {
        context.noDeviceNoticeShown = true;
        auto* noDevice = new QLabel(Q(texts::NoSoundDevice), this);
        noDevice->setObjectName(QStringLiteral("noSoundDevice"));
        noDevice->setAlignment(Qt::AlignCenter);
        layout->addWidget(noDevice);
    }
    layout->addWidget(picture, 0, Qt::AlignLeft);
    layout->addSpacing(8);
    auto* rowIndent = new QHBoxLayout;
    rowIndent->addSpacing(13);
    rowIndent->addWidget(row_);
    layout->addLayout(rowIndent);
    layout->addSpacing(4);
    auto* bottomIndent = new QHBoxLayout;
    bottomIndent->addSpacing(13);
    bottomIndent->addLayout(bottom);
    layout->addLayout(bottomIndent);
    setFixedSize(layout->sizeHint().expandedTo(AthanMinimumSize));
}

void CAthanDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (initialised_ || event->spontaneous()) {
        return;
    }
    initialised_ = true;
    const QPoint cursor = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(cursor);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        move(CentredInside(cursor, frameGeometry().size(), screen->availableGeometry()));
    }
    if (request_.playSound) {
        context_.sound.play(NativePath(request_.soundPath));
    }
    stopButton_->setFocus();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void CAthanDlg::OnStopAthan() {
    if (closed_) {
        return;
    }
    if (request_.playSound) {
        context_.sound.stop();
    }
    OnCloseWindow();
}

void CAthanDlg::OnCloseWindow() {
    // A message box of the reading runs its own loop, in which the bar may have closed this
    // window already.
    if (!closed_ && ArmReminderFrom(*row_, context_, context_.boxes) && !closed_) {
        done(Accepted);
    }
}

void CAthanDlg::CloseAsCloseWindow() {
    if (closed_) {
        return;
    }
    SilentMessageBoxes silent;
    ArmReminderFrom(*row_, context_, silent);
    done(Accepted);
}

void CAthanDlg::done(int result) {
    // Once ended, a window stays ended: a late click or a second close from the bar does nothing.
    if (closed_) {
        return;
    }
    closed_ = true;
    QDialog::done(result);
}

}  // namespace salvenor
