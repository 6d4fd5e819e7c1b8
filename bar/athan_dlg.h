// The athan window that opens at each prayer time: the prayer's name and time, the next prayer,
// the call to prayer playing, and the choice of a reminder some minutes later.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>
#include <string>

#include "bar/schedule.h"
#include "config/config_file.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/sound_player.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace salvenor {

// What the alert windows need from the bar.
struct AlertContext {
    CConfigFile& config;
    SoundPlayer& sound;
    MessageBoxes& boxes;
    const Clock& clock;
    // Arms the bar's reminder timer (id 400) for `minutes`, replacing a running one; returns the
    // timer id (400), or 0 when it could not be armed. The bar stores the result in
    // reminderTimerId.
    std::function<int(int minutes)> armReminder;
    // Set once an athan window has said that there is no sound device: it says so once a run.
    bool noDeviceNoticeShown;
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
    bool Read(MessageBoxes& boxes);
    bool remindAgain() const { return remindAgain_ != 0; }
    int minutes() const { return remindMinutes_; }

    // Reads the controls with `boxes` for the messages, then enables the edit when the box is
    // checked and disables it when not: what a click on the box does.
    void FollowCheckBox(MessageBoxes& boxes);

    QCheckBox* checkBox() const { return box_; }
    QLineEdit* edit() const { return edit_; }

  private:
    int remindAgain_;
    int remindMinutes_;
    QCheckBox* box_;
    QLineEdit* edit_;
};

// Reads the row and, when the reading succeeds and its box is checked, arms the bar's reminder
// with its minutes. A value that fails the reading arms nothing (its message has been shown
// once). Returns whether the reading succeeded.
bool ArmReminderFrom(RemindAgainRow& row, AlertContext& context, MessageBoxes& boxes);

class CAthanDlg : public QDialog {
    Q_OBJECT

  public:
    // The window for the prayer the schedule announces: its name and time, the prayer after it,
    // and the sound to play (or none), all as the request gives them.
    CAthanDlg(const AthanRequest& request, AlertContext& context, QWidget* parent = nullptr);

    // What the bar calls for an athan window still open at the next prayer: it arms the reminder
    // as "Close Window" does and closes the window. It reports nothing and always closes, since
    // the user is not at the window and a message would hold back the next prayer's window; a
    // value that would have been refused arms nothing. Harmless on a window that has already
    // closed.
    void CloseAsCloseWindow();

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnStopAthan();
    // Reads the controls, arms the reminder when asked and closes as OK; a refused value keeps
    // the window open (one message) and arms nothing.
    void OnCloseWindow();

    AlertContext& context_;
    const AthanRequest request_;
    bool initialised_ = false;
    bool closed_ = false;
    RemindAgainRow* row_ = nullptr;
    QPushButton* stopButton_ = nullptr;
};

}  // namespace salvenor
