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

#include "tests/app/app_test_support.h"
#include "tests/app/every_window.h"

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
    testing::EveryWindow every(running, folder.boxes, sound, clock, folder.path());
    std::vector<testing::NamedWindow> windows = every.windows();
    windows.insert(windows.begin(), {"prayer bar", [] { return std::unique_ptr<QWidget>(); }});
    int controls = 0;
    for (const testing::NamedWindow& w : windows) {
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
