// The athan window that opens at each prayer time: the prayer's name and time, the next prayer,
// the call to prayer playing, and the choice of a reminder some minutes later.
#pragma once

#include "bar/alert_dlg.h"
#include "bar/schedule.h"

class QFrame;
class QLabel;
class QPushButton;

namespace salvenor {

class CAthanDlg : public CAlertDlg {
    Q_OBJECT

  public:
    // The window for the prayer the schedule announces: its name and time, the prayer after it,
    // and the sound to play (or none), all as the request gives them.
    CAthanDlg(const AthanRequest& request, AlertContext& context, QWidget* parent = nullptr);

    // What the bar calls for an athan window still open at the next prayer: it asks for the
    // reminder as "Close Window" does and closes the window. It reports nothing and always
    // closes, since the user is not at the window and a message would hold back the next
    // prayer's window; a value that would have been refused asks for nothing. Harmless on a
    // window that has already closed.
    void CloseAsCloseWindow();

  protected:
    // Centres the window on the mouse cursor, starts the call and announces the window.
    void firstShown() override;

  private:
    void createControls();
    void createLayout();
    void connectSignals();

    void OnStopAthan();
    // Reads the controls, asks for the reminder when its box is checked and closes as OK; a
    // refused value keeps the window open (one message) and asks for nothing.
    void OnCloseWindow();

    const AthanRequest request_;
    QLabel* headline_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* nextLabel_ = nullptr;
    QFrame* nextFrame_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
};

}  // namespace salvenor
