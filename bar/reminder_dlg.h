// The reminder window that comes some minutes after an athan window: it sounds a chime, asks
// whether the prayer was performed, and can remind again later.
#pragma once

#include "bar/alert_dlg.h"

class QFrame;
class QLabel;
class QPushButton;

namespace salvenor {

class CReminderDlg : public CAlertDlg {
    Q_OBJECT

  public:
    explicit CReminderDlg(AlertContext& context, QWidget* parent = nullptr);

  protected:
    // Centres the window on its screen and sounds the chime.
    void firstShown() override;

  private:
    void createControls();
    void createLayout();
    void connectSignals();

    // "Later (!!)": asks for the reminder when its box is checked, and closes.
    void OnLater();
    // "I have already Prayed": the controls are read once more; the window stays open when that
    // fails.
    void OnAlreadyPrayed();

    QLabel* calligraphy_ = nullptr;
    QLabel* verses_ = nullptr;
    QFrame* group_ = nullptr;
    QPushButton* laterButton_ = nullptr;
    QPushButton* prayedButton_ = nullptr;
};

}  // namespace salvenor
