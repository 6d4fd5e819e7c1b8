// The alert windows' shared frame and reminder row.
#include "bar/alert_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <algorithm>

#include "bar/schedule.h"
#include "core/texts.h"
#include "platform/qt/ui_text.h"
#include "windows/field_exchange.h"

namespace salvenor {

RemindAgainRow::RemindAgainRow(bool remindAgain, int minutes, QWidget* parent)
    : QWidget(parent), remindAgain_(remindAgain ? 1 : 0), remindMinutes_(minutes) {
    box_ = new QCheckBox(UiText(texts::RemindAgainMeIn), this);
    box_->setObjectName(QStringLiteral("remindAgain"));
    box_->setChecked(remindAgain);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("remindMinutes"));
    edit_->setAccessibleName(UiText(texts::RemindMinutesName));
    // Digits only, as typed: no sign, so no negative number can arise.
    edit_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
    edit_->setFixedWidth(
        std::max(26, edit_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 10));
    edit_->setEnabled(remindAgain);
    fx::ShowInteger(edit_, minutes);
    auto* unit = new QLabel(UiText(texts::RemindMinutes), this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box_);
    layout->addWidget(edit_);
    layout->addWidget(unit);
    layout->addStretch(1);
}

bool RemindAgainRow::read(MessageBoxes& boxes) {
    remindAgain_ = box_->isChecked() ? 1 : 0;
    return fx::ReadIntegerInRange(edit_, remindMinutes_, 0, MaxRemindMinutes, boxes);
}

void RemindAgainRow::followCheckBox(MessageBoxes& boxes) {
    read(boxes);
    edit_->setEnabled(remindAgain());
}

CAlertDlg::CAlertDlg(AlertContext& context, const char* caption, bool onTop, bool remindAgain,
                     QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(UiText(caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   (onTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()));
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    row_ = new RemindAgainRow(remindAgain, FirstRemindMinutes, this);
    connect(row_->checkBox(), &QCheckBox::clicked, this,
            [this] { row_->followCheckBox(context_.boxes); });
}

void CAlertDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (initialised_ || event->spontaneous()) {
        return;
    }
    initialised_ = true;
    firstShown();
}

void CAlertDlg::fixSize(const QSize& minimum) {
    setFixedSize(layout()->sizeHint().expandedTo(minimum));
}

bool CAlertDlg::readRow(MessageBoxes& boxes, bool remind) {
    if (!row_->read(boxes)) {
        return false;
    }
    if (remind && row_->remindAgain()) {
        emit reminderRequested(row_->minutes());
    }
    return true;
}

void CAlertDlg::closeAfterReading(bool remind) {
    // A message box of the reading runs its own loop, in which the bar may close this window.
    if (!closed_ && readRow(context_.boxes, remind) && !closed_) {
        done(Accepted);
    }
}

void CAlertDlg::closeUnattended() {
    if (closed_) {
        return;
    }
    SilentMessageBoxes silent;
    readRow(silent, true);
    done(Accepted);
}

void CAlertDlg::done(int result) {
    if (closed_) {
        return;
    }
    closed_ = true;
    QDialog::done(result);
}

}  // namespace salvenor
