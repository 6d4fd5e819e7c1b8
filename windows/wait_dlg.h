// The small wait window shown while the selection page reads the country list.
#pragma once

#include <QDialog>

namespace salvenor {

// A centred, modeless tool window with one line of text in a frame and no buttons.
class CWaitDlg final : public QDialog {
    Q_OBJECT

  public:
    explicit CWaitDlg(QWidget* parent = nullptr);

    // Shows the window and lets it paint before the caller goes on with its work.
    void ShowNow();
};

}  // namespace salvenor
