// The today window: today's prayer times page, built from its template when the window opens,
// shown in a browser view above an "OK" button.
#pragma once

#include <QDialog>
#include <string>

class QPushButton;
class QTextBrowser;

namespace salvenor {

class CConfigFile;
class Clock;
class MessageBoxes;

class CDaySalaTimeDlg : public QDialog {
    Q_OBJECT

  public:
    // Builds the page for the clock's current day from the settings (a failure is reported
    // through `boxes` and leaves the view empty) and shows it.
    CDaySalaTimeDlg(QWidget* parent, const CConfigFile& config, MessageBoxes& boxes,
                    const Clock& clock, const std::string& workingDirectory);

    QTextBrowser* browser() const { return browser_; }
    QPushButton* okButton() const { return ok_; }

  private:
    QTextBrowser* browser_;
    QPushButton* ok_;
};

// Opens the today window modally and destroys it when it closes (the bar's face click).
void OpenTodayWindow(QWidget* parent, const CConfigFile& config, MessageBoxes& boxes,
                     const Clock& clock, const std::string& workingDirectory);

}  // namespace salvenor
