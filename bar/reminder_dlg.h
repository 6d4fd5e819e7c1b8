// The reminder window that comes some minutes after an athan window: it sounds a chime, asks
// whether the prayer was performed, and can remind again later.
#pragma once

#include <QDialog>

#include "bar/athan_dlg.h"

class QPushButton;

namespace salvenor {

class CReminderDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CReminderDlg(AlertContext& context, QWidget* parent = nullptr);

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void OnLater();
    void CloseAsOk();

    AlertContext& context_;
    bool initialised_ = false;
    bool closed_ = false;
    RemindAgainRow* row_ = nullptr;
    QPushButton* prayedButton_ = nullptr;
};

}  // namespace salvenor
