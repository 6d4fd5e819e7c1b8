// What the athan and reminder windows share: their frame, the "Remind again me in" row, closing
// once, and the signal by which they ask the bar for a reminder.
#pragma once

#include <QDialog>
#include <QWidget>

#include "config/config_file.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/sound_player.h"

class QCheckBox;
class QLineEdit;

namespace salvenor {

// What the alert windows need from the bar.
struct AlertContext {
    CConfigFile& config;
    SoundPlayer& sound;
    MessageBoxes& boxes;
    const Clock& clock;
    // Set once an athan window has said that there is no sound device: it says so once a run.
    bool noDeviceNoticeShown = false;
};

// The "Remind again me in: [ ] minutes" row that both alert windows carry, with its field
// exchange: the box is read first, then the minutes as an integer in 0..300.
class RemindAgainRow : public QWidget {
    Q_OBJECT

  public:
    RemindAgainRow(bool remindAgain, int minutes, QWidget* parent = nullptr);

    // Reads the controls into remindAgain() and minutes(). When the edit holds no integer, or one
    // outside 0..300, the message goes to `boxes`, the focus to the edit, and the result is
    // false; minutes() then keeps its earlier value, or holds the number typed when it was out of
    // range.
    bool read(MessageBoxes& boxes);
    bool remindAgain() const { return remindAgain_ != 0; }
    int minutes() const { return remindMinutes_; }

    // Reads the controls with `boxes` for the messages, then enables the edit when the box is
    // checked and disables it when not: what a click on the box does.
    void followCheckBox(MessageBoxes& boxes);

    QCheckBox* checkBox() const { return box_; }
    QLineEdit* edit() const { return edit_; }

  private:
    int remindAgain_;
    int remindMinutes_;
    QCheckBox* box_;
    QLineEdit* edit_;
};

class CAlertDlg : public QDialog {
    Q_OBJECT

  public:
    // Once ended, a window stays ended: a late click or a second close from the bar does nothing.
    void done(int result) override;

  signals:
    // The user asked to be reminded again in `minutes` (0..300); the bar arms its reminder.
    void reminderRequested(int minutes);

  protected:
    // A window titled `caption`, in an 8-point font, with a title bar but no system menu or close
    // box (the buttons and Escape end it), above all others when `onTop`; its reminder row starts
    // checked when `remindAgain`, with five minutes.
    CAlertDlg(AlertContext& context, const char* caption, bool onTop, bool remindAgain,
              QWidget* parent);

    // What the first showing does (placing the window, sounding it); a later showing, or one the
    // window system makes, does nothing more.
    virtual void firstShown() = 0;
    void showEvent(QShowEvent* event) override;

    // Fixes the window at the size of its layout, at least `minimum`.
    void fixSize(const QSize& minimum);

    // Reads the row with the user's messages and, when `remind` and its box is checked, asks for
    // the reminder; then closes as OK, unless the reading refused a value (the window stays open
    // after its one message) or the bar closed the window from a message's loop meanwhile.
    void closeAfterReading(bool remind);
    // Reads the row with no one to see its messages, asks for the reminder when its box is
    // checked and the value is sound, and closes as OK whatever the reading gave.
    void closeUnattended();

    AlertContext& context() const { return context_; }
    RemindAgainRow* remindRow() const { return row_; }
    bool closed() const { return closed_; }

  private:
    bool readRow(MessageBoxes& boxes, bool remind);

    AlertContext& context_;
    RemindAgainRow* row_ = nullptr;
    bool initialised_ = false;
    bool closed_ = false;
};

}  // namespace salvenor
