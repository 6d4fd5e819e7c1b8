// The month calendar window: one Hijri or Gregorian month page in a browser view, with a month
// list, a year edit and spins to move between months and years, two buttons to switch calendars,
// and the view's save, print, preview, copy, select-all, find and font commands.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "windows/month_navigation.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTextBrowser;

namespace salvenor {

class ArrowSpin;
class CConfigFile;
class Clock;
class FindBar;
class MessageBoxes;
class PageDialogs;

class CMonthCalendarDlg : public QDialog {
    Q_OBJECT

  public:
    // Builds the page of `opening` under `installationFolder` and shows it. `dialogs` answers the
    // save, print, preview and font commands.
    CMonthCalendarDlg(QWidget* parent, MessageBoxes& boxes, const Clock& clock,
                      PageDialogs& dialogs, std::string installationFolder,
                      const ShownMonth& opening, int hijriAdjustDays = 0);
    ~CMonthCalendarDlg() override;

    const ShownMonth& shown() const { return shown_; }

    QComboBox* monthList() const { return monthList_; }
    QLineEdit* yearEdit() const { return yearEdit_; }
    ArrowSpin* yearSpin() const { return yearSpin_; }
    ArrowSpin* monthSpin() const { return monthSpin_; }
    QRadioButton* hijriButton() const { return hijri_; }
    QRadioButton* gregorianButton() const { return gregorian_; }
    QTextBrowser* browser() const { return browser_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* closeButton() const { return close_; }
    QLabel* rangeNote() const { return rangeNote_; }
    QMenuBar* menuBar() const { return menuBar_; }
    FindBar* findBar() const { return findBar_; }

    QAction* saveAsAction() const { return saveAsAction_; }
    QAction* printAction() const { return printAction_; }
    QAction* printPreviewAction() const { return printPreviewAction_; }
    QAction* closeAction() const { return closeAction_; }
    QAction* copyAction() const { return copyAction_; }
    QAction* selectAllAction() const { return selectAllAction_; }
    QAction* findAction() const { return findAction_; }
    QAction* fontAction() const { return fontAction_; }
    QAction* exportAction() const { return exportAction_; }

    // The settings whose place, zone and convention "Export Prayer Times..." writes the shown
    // month's times for; without them the item is disabled.
    void setExportSettings(const CConfigFile* config);

    // Draws the shown page on `printer`: what printing and the preview put on paper.
    void paintPage(QPrinter* printer) const;

  protected:
    // Enter in the year edit shows the typed year instead of pressing the default button.
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // After every page build, once the view shows the new page.
    void pageShown();

  private:
    void createControls();
    void createActions();
    void createMenus();
    void createLayout();
    void connectSignals();

    // Builds the page of the shown month and shows it; selects the month in the list.
    void refresh();
    void showPage();
    // Puts the shown month into the controls (list, year edit, calendar buttons).
    void showFields();
    void fillMonthList();
    void showRangeNote(bool outOfRange);

    void yearStepped(int step);
    void monthStepped(int step);
    void yearEdited();
    void monthChosen(int index);
    void monthTextEdited(const QString& text);
    void calendarClicked(CalendarKind kind);
    void closeChecked();
    QString chooseTargetForShownMonth(const QString& suffix);
    void saveAs();
    void print();
    void printPreview();
    void copy();
    void chooseFont();
    void exportPrayerTimes();
    QPrinter& printer();

    MessageBoxes& boxes_;
    const Clock& clock_;
    PageDialogs& dialogs_;
    const std::string installationFolder_;
    const int hijriAdjustDays_;  // the user's Hijri day adjustment, for every page built
    ShownMonth shown_;
    std::unique_ptr<QPrinter> printer_;  // made at the first print: looking for printers is slow

    QMenuBar* menuBar_ = nullptr;
    QLabel* monthLabel_ = nullptr;
    QComboBox* monthList_ = nullptr;
    QLabel* yearLabel_ = nullptr;
    QLineEdit* yearEdit_ = nullptr;
    ArrowSpin* yearSpin_ = nullptr;
    QWidget* calendarButtons_ = nullptr;
    QRadioButton* hijri_ = nullptr;
    QRadioButton* gregorian_ = nullptr;
    ArrowSpin* monthSpin_ = nullptr;
    QLabel* rangeNote_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    FindBar* findBar_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* close_ = nullptr;

    QAction* saveAsAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* printPreviewAction_ = nullptr;
    QAction* closeAction_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* selectAllAction_ = nullptr;
    QAction* findAction_ = nullptr;
    QAction* fontAction_ = nullptr;
    QAction* exportAction_ = nullptr;
    const CConfigFile* exportSettings_ = nullptr;
};

// Opens the window modally on the current Hijri month (today's local date converted, with the
// user's Hijri day adjustment, which every page of the window follows) and destroys it when it
// closes. `config` gives the times that "Export Prayer Times..." writes.
void OpenMonthCalendar(QWidget* parent, MessageBoxes& boxes, const Clock& clock,
                       const std::string& installationFolder, int hijriAdjustDays = 0,
                       const CConfigFile* config = nullptr);

}  // namespace salvenor
