#include "tools/tour/stages.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/prayer_app.h"
#include "bar/prayer_bar_dlg.h"
#include "core/prayer_times.h"
#include "platform/clock.h"
#include "tools/tour/alert_windows.h"
#include "windows/city_selection_page.h"
#include "windows/find_bar.h"
#include "windows/month_calendar_dlg.h"
#include "windows/options_sheet.h"
#include "windows/setup_sheet.h"
#include "windows/small_windows.h"

namespace salvenor::tour {
namespace {

// A picture of the window, then Escape.
Action Picture(std::string name) {
    return [name = std::move(name)](Tour& tour, QWidget& window) {
        tour.Save(window, name);
        Tour::Close(window);
    };
}

// Both pages of a sheet, the first one last in front again.
void SheetPages(Tour& tour, CPropertySheet& sheet, const std::string& first,
                const std::string& second) {
    tour.Save(sheet, first);
    if (!sheet.SetActivePage(1)) {
        tour.Fail("the second page would not come forward");
        return;
    }
    tour.Settle();
    tour.Save(sheet, second);
    sheet.SetActivePage(0);
    tour.Settle(0);
}

void MonthWindow(Tour& tour, QWidget& window) {
    auto& calendar = static_cast<CMonthCalendarDlg&>(window);
    tour.Save(calendar, "month_hijri");
    calendar.gregorianButton()->click();
    tour.Settle();
    if (calendar.shown().kind != CalendarKind::Gregorian) {
        tour.Fail("the Gregorian month did not come");
    }
    tour.Save(calendar, "month_gregorian");
    calendar.findBar()->open();
    QTest::keyClicks(calendar.findBar()->field(), "Ramadan");
    tour.Settle();
    tour.Save(calendar, "month_find");
    Tour::Close(calendar);
}

}  // namespace

const std::vector<std::string>& ShotNames() {
    static const std::vector<std::string> names{"no_tray_notice",
                                                "bar",
                                                "command_menu",
                                                "today",
                                                "setup_city",
                                                "setup_advanced",
                                                "location",
                                                "options_athan",
                                                "options_dates",
                                                "month_hijri",
                                                "month_gregorian",
                                                "month_find",
                                                "athan",
                                                "reminder",
                                                "about",
                                                "first_run",
                                                "website_reminder",
                                                "not_supported"};
    return names;
}

std::vector<Stage> ProgramStages(CPrayerApp& app, AlertParts& alerts,
                                 const std::string& installationFolder, FakeClock& clock) {
    std::vector<Stage> stages;
    stages.push_back({"start",
                      [&app, &clock, installationFolder](Tour& tour) {
                          if (const std::optional<int> status = app.Start(installationFolder)) {
                              tour.Fail("the program ended at start with status " +
                                        std::to_string(*status));
                              return;
                          }
                          // The notice comes once no tray has appeared in the first minutes.
                          QTimer::singleShot(0, &app, [&app, &clock] {
                              const ClockTime started = clock.now();
                              clock.set(started + TrayWatchFastSeconds);
                              app.OnTrayWatch();
                              clock.set(started);
                          });
                      },
                      {{"QMessageBox", Picture("no_tray_notice")}}});
    stages.push_back({"bar",
                      [&app](Tour& tour) {
                          if (app.bar() == nullptr || !app.barVisible()) {
                              tour.Fail("the bar is not up");
                              return;
                          }
                          tour.Save(*app.bar(), "bar");
                      },
                      {}});
    stages.push_back({"command menu",
                      [&app](Tour&) { app.ShowCommandMenu(); },
                      {{"QMenu", Picture("command_menu"), true}}});
    stages.push_back({"today window",
                      [&app](Tour&) { app.Run(Command::TodayPrayerTimes); },
                      {{"salvenor::CDaySalaTimeDlg", Picture("today")}}});
    stages.push_back({"setup",
                      [&app](Tour&) { app.Run(Command::Setup); },
                      {{"salvenor::CSetupSheet",
                        [](Tour& tour, QWidget& window) {
                            auto& sheet = static_cast<CSetupSheet&>(window);
                            SheetPages(tour, sheet, "setup_city", "setup_advanced");
                            // Location Positioning opens from the first page; its own loop runs
                            // from here.
                            QTimer::singleShot(0, sheet.selectionPage()->notFoundButton(),
                                               &QPushButton::click);
                        }},
                       {"salvenor::CLocationDlg", [](Tour& tour, QWidget& window) {
                            tour.Save(window, "location");
                            Tour::Close(window);
                            if (auto* sheet = qobject_cast<QDialog*>(window.parentWidget())) {
                                QTimer::singleShot(0, sheet, &QDialog::reject);
                            } else {
                                tour.Fail("Location Positioning has no sheet behind it");
                            }
                        }}}});
    stages.push_back({"options",
                      [&app](Tour&) { app.Run(Command::Options); },
                      {{"salvenor::COptionsSheet", [](Tour& tour, QWidget& window) {
                            SheetPages(tour, static_cast<CPropertySheet&>(window), "options_athan",
                                       "options_dates");
                            Tour::Close(window);
                        }}}});
    stages.push_back({"month calendar",
                      [&app](Tour&) { app.Run(Command::MonthCalendar); },
                      {{"salvenor::CMonthCalendarDlg", MonthWindow}}});
    stages.push_back({"athan window",
                      [&app, &alerts](Tour&) { MakeAthanWindow(alerts, Asr, app.bar())->exec(); },
                      {{"salvenor::CAthanDlg", Picture("athan")}}});
    stages.push_back({"reminder window",
                      [&app, &alerts](Tour&) { MakeReminderWindow(alerts, app.bar())->exec(); },
                      {{"salvenor::CReminderDlg", Picture("reminder")}}});
    stages.push_back({"about",
                      [&app](Tour&) { app.Run(Command::About); },
                      {{"salvenor::CAbout", Picture("about")}}});
    stages.push_back({"first-run notice",
                      [&app](Tour&) { AskInitInstallation(app.bar()); },
                      {{"salvenor::CInitInstallation", Picture("first_run")}}});
    stages.push_back({"website reminder",
                      [&app](Tour&) { ShowWebsiteReminder(app.bar()); },
                      {{"salvenor::CWebsiteReminder", Picture("website_reminder")}}});
    stages.push_back({"not supported",
                      [&app](Tour&) { app.Run(Command::YearCalendars); },
                      {{"salvenor::CFtNotSupported", Picture("not_supported")}}});
    return stages;
}

}  // namespace salvenor::tour
