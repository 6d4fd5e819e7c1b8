// Every control of every window has a name that assistive tools can read (its own text, its label's
// through a buddy, or an accessible name) and, unless it only decorates, a keyboard path to it.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bar/athan_dlg.h"
#include "bar/reminder_dlg.h"
#include "core/hijri.h"
#include "tests/app/app_test_support.h"
#include "windows/day_sala_time_dlg.h"
#include "windows/location_dlg.h"
#include "windows/month_calendar_dlg.h"
#include "windows/options_sheet.h"
#include "windows/page_dialogs.h"
#include "windows/small_windows.h"
#include "windows/wait_dlg.h"

namespace salvenor {
namespace {

using testing::AppTest;

// The name a screen reader would announce for the widget.
QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* const face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name).trimmed() : QString();
}

bool IsControl(const QWidget* widget) {
    // An editable list's own edit is part of the list, which carries the name.
    if (qobject_cast<const QComboBox*>(widget->parentWidget()) != nullptr) {
        return false;
    }
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr;
}

// Shows every page of a tabbed sheet once, so that each page's controls exist.
void ShowEveryPage(QWidget& window) {
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        for (int i = tabs->count() - 1; i >= 0; --i) {
            tabs->setCurrentIndex(i);
        }
    }
}

class AccessibleNamesTest : public AppTest {};

TEST_F(AccessibleNamesTest, EveryControlOfEveryWindowIsNamedAndReachable) {
    CPrayerApp& running = Running(false);
    AlertContext alerts{running.config(), sound, folder.boxes, clock, [](int) { return 0; }, false};
    QtPageDialogs pageDialogs;
    const std::string here = folder.path();
    AthanRequest asr;
    asr.prayerIndex = Asr;
    asr.prayerTime = 15.5;
    asr.nextIndex = Maghrib;
    asr.nextTime = 18.1;
    const HijriDate today = GregorianToHijri(15, 1, 2024);

    struct Window {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> make;
    };
    const std::vector<Window> windows = {
        {"prayer bar", [&]() -> std::unique_ptr<QWidget> { return nullptr; }},
        {"athan", [&] { return std::make_unique<CAthanDlg>(asr, alerts); }},
        {"reminder", [&] { return std::make_unique<CReminderDlg>(alerts); }},
        {"today",
         [&] {
             return std::make_unique<CDaySalaTimeDlg>(nullptr, running.config(), folder.boxes,
                                                      clock, here);
         }},
        {"setup sheet",
         [&] {
             return std::make_unique<CSetupSheet>(running.config(), folder.boxes, clock, here,
                                                  SetupSheetMode::Setup);
         }},
        {"location", [&] { return std::make_unique<CLocationDlg>(folder.boxes); }},
        {"options sheet",
         [&] {
             return std::make_unique<COptionsSheet>(running.config(), folder.boxes, sound, clock,
                                                    here);
         }},
        {"month calendar",
         [&] {
             return std::make_unique<CMonthCalendarDlg>(
                 nullptr, folder.boxes, clock, pageDialogs, here,
                 ShownMonth{CalendarKind::Hijri, today.year, today.month});
         }},
        {"about", [] { return std::make_unique<CAbout>(); }},
        {"first-run notice", [] { return std::make_unique<CInitInstallation>(); }},
        {"website reminder", [] { return std::make_unique<CWebsiteReminder>(); }},
        {"not supported", [] { return std::make_unique<CFtNotSupported>(); }},
        {"wait", [] { return std::make_unique<CWaitDlg>(); }},
    };
    int controls = 0;
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        std::unique_ptr<QWidget> owned = w.make();
        QWidget& window = owned ? *owned : static_cast<QWidget&>(Bar());
        window.show();
        ShowEveryPage(window);
        EXPECT_FALSE(AccessibleName(&window).isEmpty()) << "the window itself";
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (!IsControl(child) || !child->isVisibleTo(&window)) {
                continue;
            }
            ++controls;
            const std::string what = std::string(child->metaObject()->className()) + " in " +
                                     child->parentWidget()->metaObject()->className() + " \"" +
                                     AccessibleName(child).toStdString() + "\"";
            EXPECT_FALSE(AccessibleName(child).isEmpty()) << what;
            // The bar never takes the keyboard from the user's work: its commands are reached
            // through the tray's and its own menus instead.
            if (owned && child->isEnabled()) {
                EXPECT_TRUE(child->focusPolicy() & Qt::TabFocus) << what << " cannot be tabbed to";
            }
        }
        folder.boxes.entries.clear();
    }
    EXPECT_GT(controls, 60) << "too few controls found: the walk itself is broken";
}

}  // namespace
}  // namespace salvenor
