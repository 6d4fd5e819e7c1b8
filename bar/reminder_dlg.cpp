// The reminder window: a chime, two pictures, and the choice to be reminded again.
#include "bar/reminder_dlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/paths.h"
#include "core/texts.h"

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
    : QDialog(parent), context_(context) {
    setWindowTitle(QString::fromUtf8(texts::ReminderCaption));
    // Above all other windows, with a title bar but no system menu or close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    QLabel* calligraphy = Picture(QStringLiteral(":/alerts/reminder_sunset.png"), this);
    calligraphy->setFrameStyle(QFrame::Box | QFrame::Plain);
    calligraphy->setFixedSize(119, 116);
    QLabel* verses = Picture(QStringLiteral(":/alerts/reminder_verses.png"), this);
    verses->setFixedSize(185, 57);

    row_ = new RemindAgainRow(true, FirstRemindMinutes, this);
    connect(row_->checkBox(), &QCheckBox::clicked, this,
            [this] { row_->FollowCheckBox(context_.boxes); });

    auto* later = new QPushButton(QString::fromUtf8(texts::ReminderLater), this);
    later->setObjectName(QStringLiteral("later"));
    later->setMinimumSize(80, 23);
    prayedButton_ = new QPushButton(QString::fromUtf8(texts::ReminderAlreadyPrayed), this);
    prayedButton_->setObjectName(QStringLiteral("alreadyPrayed"));
    prayedButton_->setMinimumSize(112, 23);
    prayedButton_->setDefault(true);
    connect(later, &QPushButton::clicked, this, &CReminderDlg::OnLater);
    connect(prayedButton_, &QPushButton::clicked, this, &CReminderDlg::CloseAsOk);

    auto* group = new QFrame(this);
    group->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(later);
    buttons->addStretch(1);
    buttons->addWidget(prayedButton_);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(10, 10, 10, 6);
    groupLayout->addWidget(row_);
    groupLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->addWidget(calligraphy, 0, Qt::AlignHCenter);
    layout->addWidget(verses, 0, Qt::AlignHCenter);
    layout->addWidget(group);
    setFixedSize(layout->sizeHint().expandedTo(ReminderMinimumSize));
}

void CReminderDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (initialised_ || event->spontaneous()) {
        return;
    }
    initialised_ = true;
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        const QSize outer = frameGeometry().size();
        move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
    // The chime sounds even when all sounds are muted: the user asked for this reminder.
    context_.sound.play(NativePath(ChimeFileName));
    prayedButton_->setFocus();
}

void CReminderDlg::OnLater() {
    if (closed_) {
        return;
    }
    // A refused value keeps the window open after its one message and arms nothing.
    if (ArmReminderFrom(*row_, context_, context_.boxes) && !closed_) {
        done(Accepted);
    }
}

void CReminderDlg::CloseAsOk() {
    // The controls are read once more; the window stays open when that fails.
    if (!closed_ && row_->Read(context_.boxes) && !closed_) {
        done(Accepted);
    }
}

void CReminderDlg::done(int result) {
    if (closed_) {
        return;
    }
    closed_ = true;
    QDialog::done(result);
}

}  // namespace salvenor
