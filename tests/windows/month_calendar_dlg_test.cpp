// The month calendar window: its controls and menus, moving between months, years and calendars,
// the page it writes and shows, and its save, print, preview, copy, find and font commands.
#include "windows/month_calendar_dlg.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "config/config_file.h"
#include "core/hijri.h"
#include "core/local_time.h"
#include "core/texts.h"
#include "pages/month_page.h"
#include "platform/clock.h"
#include "tests/pages/page_test_support.h"
#include "tests/support/cairo.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"
#include "tests/windows/month_calendar_test_support.h"
#include "windows/arrow_spin.h"
#include "windows/find_bar.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using testing::FakePageDialogs;
using ::testing::HasSubstr;
using testing::InstallationFolder;
using testing::PdfPageCount;
using testing::ReadText;
using testing::RecordingMessageBoxes;

constexpr CalendarKind H = CalendarKind::Hijri;
constexpr CalendarKind G = CalendarKind::Gregorian;

class MonthCalendarDlgTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.copyCalendarFrom(SALVENOR_SOURCE_DATA_DIR);
        dialogs.pdfFile = folder.at("printed.pdf").string();
    }

    std::unique_ptr<CMonthCalendarDlg> Open(const ShownMonth& month) {
        auto window = std::make_unique<CMonthCalendarDlg>(nullptr, boxes, clock, dialogs,
                                                          folder.path(), month);
        builds = std::make_unique<QSignalSpy>(window.get(), &CMonthCalendarDlg::pageShown);
        return window;
    }

    std::string PageFile() const { return ReadText(MonthPagePath(folder.path())); }
    static std::string Heading(const ShownMonth& m) {
        const auto& names = m.kind == H ? HijriMonthNames : GregorianMonthNames;
        return std::string(names[static_cast<std::size_t>(m.month - 1)]) + " " +
               std::to_string(m.year);
    }
    // The window shows `m` in its controls, in its view and in the page file.
    static void ExpectShows(const CMonthCalendarDlg& w, const ShownMonth& m,
                            const std::string& page) {
        EXPECT_EQ(w.shown(), m);
        EXPECT_EQ(w.monthList()->currentIndex(), m.month - 1);
        EXPECT_EQ(w.hijriButton()->isChecked(), m.kind == H);
        EXPECT_EQ(w.gregorianButton()->isChecked(), m.kind == G);
        EXPECT_THAT(page, HasSubstr("<title>" + Heading(m) + "</title>"));
        EXPECT_THAT(w.browser()->documentTitle().toStdString(), Heading(m));
    }

    testing::ScopedTimeZone zone{"UTC0"};
    FakeClock clock{MakeLocal(2007, 3, 15, 12, 0, 0)};  // 26 Safar 1428
    InstallationFolder folder;
    RecordingMessageBoxes boxes;
    FakePageDialogs dialogs;
    std::unique_ptr<QSignalSpy> builds;
};

TEST_F(MonthCalendarDlgTest, OpensModallyOnTodaysHijriMonthAndIsGoneWhenClosed) {
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<CMonthCalendarDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        checked = true;
        EXPECT_EQ(w->windowTitle(), "Month Calendar");
        ExpectShows(*w, {H, 1428, 2}, PageFile());
        EXPECT_EQ(w->yearEdit()->text(), "1428");
        EXPECT_EQ(w->monthList()->currentText(), "Safar");
        w->closeButton()->click();
    });
    OpenMonthCalendar(nullptr, boxes, clock, folder.path());
    EXPECT_TRUE(checked);
    EXPECT_TRUE(boxes.entries.empty());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<CMonthCalendarDlg*>(w), nullptr);
    }
}

TEST_F(MonthCalendarDlgTest, ControlsCarryTheirTextsAndTheMonthListIsNotSorted) {
    const auto w = Open({H, 1427, 9});
    const auto labels = w->findChildren<QLabel*>();
    QStringList labelTexts;
    for (const QLabel* l : labels) {
        labelTexts << l->text();
    }
    EXPECT_TRUE(labelTexts.contains("Select Month:"));
    EXPECT_TRUE(labelTexts.contains("Select Year:"));
    EXPECT_EQ(w->hijriButton()->text(), "Hijri");
    EXPECT_EQ(w->gregorianButton()->text(), "Georgian");
    EXPECT_EQ(w->printButton()->text(), "Print...");
    EXPECT_EQ(w->closeButton()->text(), "Close");
    EXPECT_TRUE(w->closeButton()->isDefault());
    EXPECT_TRUE(w->monthList()->isEditable());
    ASSERT_EQ(w->monthList()->count(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(w->monthList()->itemText(i).toStdString(), HijriMonthNames[i]);
    }
    EXPECT_EQ(w->yearEdit()->text(), "1427");
    // Two arrows one above the other for the year, side by side for the month.
    EXPECT_EQ(w->yearSpin()->forwardArrow()->arrowType(), Qt::UpArrow);
    EXPECT_EQ(w->yearSpin()->backArrow()->arrowType(), Qt::DownArrow);
    EXPECT_EQ(w->monthSpin()->forwardArrow()->arrowType(), Qt::RightArrow);
    EXPECT_EQ(w->monthSpin()->backArrow()->arrowType(), Qt::LeftArrow);
    // Digits only, as typed.
    w->yearEdit()->clear();
    QTest::keyClicks(w->yearEdit(), "1a4-2.8");
    EXPECT_EQ(w->yearEdit()->text(), "1428");
}

TEST_F(MonthCalendarDlgTest, MenusHoldTheirItemsInOrderWithoutShortcuts) {
    const auto w = Open({H, 1427, 9});
    QStringList menus;
    QStringList items;
    for (QAction* menuAction : w->menuBar()->actions()) {
        menus << menuAction->text();
        for (QAction* item : menuAction->menu()->actions()) {
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            EXPECT_TRUE(item->shortcut().isEmpty()) << item->text().toStdString();
        }
        items << QStringLiteral("|");
    }
    EXPECT_EQ(menus, (QStringList{"&File", "Edit", "Format"}));
    EXPECT_EQ(items, (QStringList{"&Save As...", "-", "&Print", "Print Pre&view", "-", "&Close",
                                  "-", "&Export Prayer Times...", "|", "&Copy               Ctrl+C",
                                  "Select &All        Ctrl+A", "-", "&Find", "|", "Font...", "|"}));
    EXPECT_TRUE(w->findChildren<QShortcut*>().isEmpty());
}

// Every control a user can reach has a name a screen reader announces, and Tab reaches it.
TEST_F(MonthCalendarDlgTest, EveryControlHasAnAccessibleNameAndATabStop) {
    const auto w = Open({H, 1427, 9});
    w->findBar()->open();
    w->show();
    QStringList names;
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (child->focusPolicy() & Qt::TabFocus && child->isVisibleTo(w.get())) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child);
            ASSERT_NE(a, nullptr);
            const QString name = a->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty()) << child->metaObject()->className();
            names << name;
        }
    }
    for (const char* expected : {"Month", "Year", "Next year", "Previous year", "Hijri", "Georgian",
                                 "Next month", "Previous month", "Calendar page", "Print...",
                                 "Close", "Text to find", "Close find bar"}) {
        EXPECT_TRUE(names.contains(expected)) << expected;
    }
    EXPECT_FALSE(w->menuBar()->accessibleName().isEmpty());
    // Tab walks the row of controls in order.
    std::vector<QWidget*> order;
    QWidget* at = w->monthList();
    for (int i = 0; i < 11; ++i) {
        order.push_back(at);
        at = at->nextInFocusChain();
        // The month list's own edit is a part of the list.
        while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(w.get()) ||
               at->parentWidget() == w->monthList()) {
            at = at->nextInFocusChain();
        }
    }
    EXPECT_THAT(order,
                ElementsAre(w->monthList(), w->yearEdit(), w->yearSpin()->forwardArrow(),
                            w->yearSpin()->backArrow(), w->hijriButton(), w->gregorianButton(),
                            w->monthSpin()->backArrow(), w->monthSpin()->forwardArrow(),
                            w->browser(), w->printButton(), w->closeButton()));
}

struct SpinCase {
    ShownMonth from;
    bool yearSpin;
    bool forward;
    ShownMonth to;
    bool refused;  // the step would leave the calendar: the month stays and the note says why
};

TEST_F(MonthCalendarDlgTest, SpinsMoveAcrossTheYearAndStopAtTheCalendarsEnds) {
    const SpinCase cases[] = {
        {{H, 1427, 12}, false, true, {H, 1428, 1}, false},
        {{H, 1428, 1}, false, false, {H, 1427, 12}, false},
        {{G, 2006, 12}, false, true, {G, 2007, 1}, false},
        {{G, 2007, 1}, false, false, {G, 2006, 12}, false},
        {{H, 9999, 12}, false, true, {H, 9999, 12}, true},
        {{G, 622, 8}, false, false, {G, 622, 8}, true},
        {{H, 1427, 9}, true, true, {H, 1428, 1}, false},
        {{H, 1427, 9}, true, false, {H, 1426, 1}, false},
        {{G, 2006, 10}, true, true, {G, 2007, 1}, false},
        {{H, 1, 5}, true, false, {H, 1, 1}, false},
        {{H, 9999, 5}, true, true, {H, 9999, 5}, true},
        {{G, 623, 3}, true, false, {G, 623, 3}, true},
    };
    for (const SpinCase& c : cases) {
        SCOPED_TRACE(Heading(c.from) + (c.yearSpin ? " year " : " month ") +
                     (c.forward ? "forward" : "back"));
        const auto w = Open(c.from);
        std::filesystem::remove(MonthPagePath(folder.path()));
        ArrowSpin* spin = c.yearSpin ? w->yearSpin() : w->monthSpin();
        (c.forward ? spin->forwardArrow() : spin->backArrow())->click();
        EXPECT_EQ(w->shown(), c.to);
        EXPECT_EQ(w->yearEdit()->text().toInt(), c.to.year);
        EXPECT_EQ(w->rangeNote()->isVisibleTo(w.get()), c.refused);
        EXPECT_EQ(builds->count(), c.refused ? 0 : 1);  // one build a press
        if (!c.refused) {
            ExpectShows(*w, c.to, PageFile());
        } else {
            EXPECT_FALSE(std::filesystem::exists(MonthPagePath(folder.path())));
            EXPECT_THAT(w->rangeNote()->text().toStdString(),
                        c.to.kind == H ? texts::HijriRangeNote : texts::GregorianRangeNote);
        }
        EXPECT_TRUE(boxes.entries.empty());
    }
}

struct TypingCase {
    CalendarKind kind;
    const char* typed;          // typed after the edit is emptied
    std::vector<int> years;     // the year shown after each character
    std::vector<bool> refused;  // the range note after each character
};

// Every character typed builds a page, or is refused with the note while the year lies outside
// the calendar (the year shown before stays).
TEST_F(MonthCalendarDlgTest, TypingAYearBuildsAPageAfterEachDigit) {
    const TypingCase cases[] = {
        {H, "1430", {1, 14, 143, 1430}, {false, false, false, false}},
        {H, "10000", {1, 10, 100, 1000, 1000}, {false, false, false, false, true}},
        {H, "0", {1427}, {true}},
        {G, "2025", {2006, 2006, 2006, 2025}, {true, true, true, false}},
        {G, "622", {2006, 2006, 622}, {true, true, false}},  // October 622 follows the Hijra
    };
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.typed);
        const ShownMonth from = c.kind == H ? ShownMonth{H, 1427, 9} : ShownMonth{G, 2006, 10};
        const auto w = Open(from);
        w->yearEdit()->selectAll();
        QTest::keyClick(w->yearEdit(), Qt::Key_Backspace);
        boxes.entries.clear();
        builds->clear();
        int expectedBuilds = 0;
        for (std::size_t i = 0; i < c.years.size(); ++i) {
            QTest::keyClick(w->yearEdit(), c.typed[i]);
            expectedBuilds += c.refused[i] ? 0 : 1;
            EXPECT_EQ(w->shown().year, c.years[i]) << i;
            EXPECT_EQ(w->shown().month, from.month) << i;
            EXPECT_EQ(w->rangeNote()->isVisibleTo(w.get()), c.refused[i]) << i;
            EXPECT_EQ(builds->count(), expectedBuilds) << i;
        }
        EXPECT_TRUE(boxes.entries.empty());
        if (!c.refused.back()) {
            ExpectShows(*w, {c.kind, c.years.back(), from.month}, PageFile());
        }
    }
}

// Enter in the year edit shows the typed year and keeps the window open (Close is the default
// button); the month arrows stay where they are whichever calendar is chosen.
TEST_F(MonthCalendarDlgTest, EnterShowsTheYearAndTheArrowsKeepTheirPlace) {
    struct Case {
        const char* name;
        ShownMonth from;
        Qt::Key key;
        int year;
        QRadioButton* (CMonthCalendarDlg::*other)() const;
    };
    const Case cases[] = {
        {"Return, Hijri", {H, 1427, 9}, Qt::Key_Return, 1430, &CMonthCalendarDlg::gregorianButton},
        {"Enter, Gregorian", {G, 2006, 10}, Qt::Key_Enter, 2025, &CMonthCalendarDlg::hijriButton},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto w = Open(c.from);
        w->show();
        w->yearEdit()->setFocus();
        w->yearEdit()->setText(QString::number(c.year));
        QTest::keyClick(w->yearEdit(), c.key);
        QApplication::processEvents();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->shown().year, c.year);
        ExpectShows(*w, {c.from.kind, c.year, c.from.month}, PageFile());

        const auto place = [&w] {
            return w->monthSpin()->forwardArrow()->mapTo(w.get(), QPoint(0, 0));
        };
        const QPoint before = place();
        (w.get()->*c.other)()->click();
        QApplication::processEvents();
        EXPECT_EQ(place(), before);
        w->reject();
    }
}

// An edit that does not start with a number gives the message at each change and the page of the
// year shown before; text after a leading number is ignored.
TEST_F(MonthCalendarDlgTest, BadYearTextIsReportedAndThePreviousYearStays) {
    const auto w = Open({H, 1427, 9});
    w->yearEdit()->selectAll();
    QTest::keyClick(w->yearEdit(), Qt::Key_Backspace);
    ASSERT_EQ(boxes.entries.size(), 1u);
    EXPECT_EQ(boxes.entries[0].text, "Please enter a positive integer.");
    EXPECT_EQ(boxes.entries[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(builds->count(), 1);
    ExpectShows(*w, {H, 1427, 9}, PageFile());

    QApplication::clipboard()->setText("x12");
    QTest::keyClick(w->yearEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxes.entries.size(), 2u);
    EXPECT_EQ(w->shown().year, 1427);

    w->yearEdit()->clear();
    QApplication::clipboard()->setText("1430 AH");
    QTest::keyClick(w->yearEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(boxes.entries.size(), 2u);
    ExpectShows(*w, {H, 1430, 9}, PageFile());

    // "Close" checks the edit as well and keeps the window open; the close box does not.
    w->show();
    w->yearEdit()->clear();
    w->closeButton()->click();
    EXPECT_EQ(boxes.entries.size(), 3u);
    EXPECT_TRUE(w->isVisible());
    w->closeAction()->trigger();
    EXPECT_EQ(boxes.entries.size(), 4u);
    EXPECT_TRUE(w->isVisible());
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(boxes.entries.size(), 4u);
}

TEST_F(MonthCalendarDlgTest, CloseAcceptsAValidYear) {
    const auto w = Open({H, 1427, 9});
    w->show();
    w->closeAction()->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_TRUE(boxes.entries.empty());
}

TEST_F(MonthCalendarDlgTest, MonthListChoosesAMonthByListOrByItsFullName) {
    const auto w = Open({H, 1427, 9});
    w->monthList()->setCurrentIndex(11);
    emit w->monthList()->activated(11);
    ExpectShows(*w, {H, 1427, 12}, PageFile());
    EXPECT_EQ(builds->count(), 1);

    QLineEdit* edit = w->monthList()->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, "shaw");
    EXPECT_EQ(w->shown().month, 12);  // not a whole name yet
    EXPECT_EQ(builds->count(), 1);
    edit->clear();
    QTest::keyClicks(edit, "shawwal");
    ExpectShows(*w, {H, 1427, 10}, PageFile());
    EXPECT_EQ(builds->count(), 2);
}

TEST_F(MonthCalendarDlgTest, MonthListRefusesAMonthBeforeTheHijra) {
    const auto w = Open({G, 622, 9});
    w->monthList()->setCurrentIndex(2);
    emit w->monthList()->activated(2);
    EXPECT_EQ(w->shown(), (ShownMonth{G, 622, 9}));
    EXPECT_EQ(w->monthList()->currentIndex(), 8);
    EXPECT_TRUE(w->rangeNote()->isVisibleTo(w.get()));
    EXPECT_EQ(builds->count(), 0);
    emit w->monthList()->activated(7);
    ExpectShows(*w, {G, 622, 8}, PageFile());
    EXPECT_FALSE(w->rangeNote()->isVisibleTo(w.get()));
}

struct SwitchCase {
    ShownMonth from;
    bool toGregorian;
    ShownMonth to;
};

// The buttons jump to today's month of their calendar, whatever month is shown: they do not
// convert it.
TEST_F(MonthCalendarDlgTest, CalendarButtonsJumpToTheCurrentMonth) {
    const SwitchCase cases[] = {
        {{H, 1427, 9}, true, {G, 2007, 3}},   {{H, 1, 1}, true, {G, 2007, 3}},
        {{H, 9999, 12}, true, {G, 2007, 3}},  {{G, 622, 8}, false, {H, 1428, 2}},
        {{G, 9999, 12}, false, {H, 1428, 2}}, {{G, 1999, 1}, true, {G, 2007, 3}},
        {{H, 1400, 12}, false, {H, 1428, 2}},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(Heading(c.from));
        const auto w = Open(c.from);
        (c.toGregorian ? w->gregorianButton() : w->hijriButton())->click();
        ExpectShows(*w, c.to, PageFile());
        EXPECT_EQ(w->yearEdit()->text().toInt(), c.to.year);
        const auto& names = c.to.kind == H ? HijriMonthNames : GregorianMonthNames;
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ(w->monthList()->itemText(i).toStdString(), names[i]);
        }
        EXPECT_EQ(builds->count(), 1);
    }
}

// Each change writes the page file anew before the view shows it.
TEST_F(MonthCalendarDlgTest, EveryChangeRewritesThePageFile) {
    const auto w = Open({H, 1427, 9});
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"month spin", [&] { w->monthSpin()->forwardArrow()->click(); }},
        {"year spin", [&] { w->yearSpin()->backArrow()->click(); }},
        {"year edit",
         [&] {
             w->yearEdit()->selectAll();
             QTest::keyClick(w->yearEdit(), Qt::Key_7);
         }},
        {"month list", [&] { emit w->monthList()->activated(4); }},
        {"Georgian", [&] { w->gregorianButton()->click(); }},
        {"Hijri", [&] { w->hijriButton()->click(); }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        std::filesystem::remove(MonthPagePath(folder.path()));
        change();
        ASSERT_TRUE(std::filesystem::exists(MonthPagePath(folder.path())));
        ExpectShows(*w, w->shown(), PageFile());
    }
}

TEST_F(MonthCalendarDlgTest, MissingTemplateIsReportedAndTheViewShowsWhatTheFileHolds) {
    std::filesystem::remove(folder.at("Calendar/Hijri/Month/month_hijri.htm"));
    const auto w = Open({H, 1427, 9});
    EXPECT_FALSE(boxes.entries.empty());
    EXPECT_EQ(boxes.entries[0].text, texts::PageFileError);
    // The trailer alone: no month heading.
    EXPECT_FALSE(w->browser()->toPlainText().contains("Ramadan 1427"));
    w->gregorianButton()->click();
    ExpectShows(*w, {G, 2007, 3}, PageFile());
}

TEST_F(MonthCalendarDlgTest, SaveAsWritesAByteEqualCopy) {
    const auto w = Open({H, 1427, 9});
    const std::string shown = PageFile();
    dialogs.saveAnswer = QString::fromStdString(folder.at("ramadan").string());
    w->saveAsAction()->trigger();
    EXPECT_EQ(ReadText(folder.at("ramadan.html")), shown);
    EXPECT_TRUE(dialogs.suggestedName.endsWith("Ramadan 1427.html"));

    // Over an existing file, with its own suffix.
    folder.write("old.htm", "something else");
    dialogs.saveAnswer = QString::fromStdString(folder.at("old.htm").string());
    w->saveAsAction()->trigger();
    EXPECT_EQ(ReadText(folder.at("old.htm")), shown);

    // Cancelled: nothing written.
    dialogs.saveAnswer.clear();
    w->saveAsAction()->trigger();
    EXPECT_THAT(dialogs.calls, ElementsAre("save", "save", "save"));
    EXPECT_TRUE(boxes.entries.empty());
}

// "Export Prayer Times..." writes the shown month's days, five prayers a day, as a calendar
// file; without the settings of a place the item is off.
TEST_F(MonthCalendarDlgTest, ExportWritesThePrayerTimesOfTheShownMonth) {
    struct Case {
        ShownMonth month;
        const char* firstDay;
        int days;
    };
    CConfigFile config(boxes);
    testing::SetUpCairo(config);
    for (const Case& c : {Case{{G, 2024, 2}, "20240201", 29}, Case{{H, 1445, 9}, "20240311", 30},
                          Case{{G, 2023, 12}, "20231201", 31}}) {
        SCOPED_TRACE(c.firstDay);
        const auto w = Open(c.month);
        EXPECT_FALSE(w->exportAction()->isEnabled());
        w->setExportSettings(&config);
        ASSERT_TRUE(w->exportAction()->isEnabled());
        EXPECT_EQ(w->exportAction()->text(), "&Export Prayer Times...");
        const std::string target = folder.at("month").string();
        dialogs.saveAnswer = QString::fromStdString(target);
        w->exportAction()->trigger();
        EXPECT_TRUE(dialogs.suggestedName.endsWith(".ics"));
        const std::string ics = ReadText(target + ".ics");
        std::size_t events = 0;
        for (std::size_t at = ics.find("BEGIN:VEVENT"); at != std::string::npos;
             at = ics.find("BEGIN:VEVENT", at + 1)) {
            ++events;
        }
        EXPECT_EQ(events, 5U * static_cast<std::size_t>(c.days));
        EXPECT_THAT(ics, HasSubstr(std::string("UID:") + c.firstDay + "-fajr-"));
        EXPECT_THAT(ics, HasSubstr("LOCATION:Cairo\\, Egypt"));
    }
    EXPECT_TRUE(boxes.entries.empty());
}

TEST_F(MonthCalendarDlgTest, SaveAsIntoAMissingFolderIsReported) {
    const auto w = Open({H, 1427, 9});
    dialogs.saveAnswer = QString::fromStdString(folder.at("no/such/folder/page.html").string());
    w->saveAsAction()->trigger();
    ASSERT_EQ(boxes.entries.size(), 1u);
    EXPECT_THAT(boxes.entries[0].text, HasSubstr("could not be saved as"));
    EXPECT_THAT(boxes.entries[0].text, HasSubstr("page.html"));
    EXPECT_FALSE(std::filesystem::exists(folder.at("no")));
}

// Copy puts the selection on the clipboard and leaves nothing selected.
TEST_F(MonthCalendarDlgTest, CopyLeavesNothingSelected) {
    const auto w = Open({H, 1427, 9});
    QApplication::clipboard()->clear();
    w->selectAllAction()->trigger();
    ASSERT_TRUE(w->browser()->textCursor().hasSelection());
    const QString selected = w->browser()->textCursor().selection().toPlainText();
    w->copyAction()->trigger();
    EXPECT_FALSE(w->browser()->textCursor().hasSelection());
    EXPECT_EQ(QApplication::clipboard()->text(), selected);
    EXPECT_TRUE(QApplication::clipboard()->text().contains("Ramadan 1427"));

    // A word found, then copied.
    w->findBar()->open();
    QTest::keyClicks(w->findBar()->field(), "badr");
    ASSERT_EQ(w->browser()->textCursor().selectedText(), "Badr");
    w->copyAction()->trigger();
    // The word stands in a list item: the copy starts with the item's line break.
    EXPECT_EQ(QApplication::clipboard()->text().trimmed(), "Badr");
    EXPECT_FALSE(w->browser()->textCursor().hasSelection());
}

TEST_F(MonthCalendarDlgTest, FindWrapsRoundThePageAndShowsWhenNothingIsFound) {
    const auto w = Open({H, 1427, 9});
    w->show();
    w->findAction()->trigger();
    FindBar* bar = w->findBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(w->focusWidget(), bar->field());

    // "Ramadan" stands in the heading, the legend and three occasion lines: Next walks them in
    // order and then starts again from the top.
    QTest::keyClicks(bar->field(), "ramadan");
    const int matches = w->browser()->toPlainText().count("ramadan", Qt::CaseInsensitive);
    ASSERT_GE(matches, 4);
    EXPECT_EQ(w->browser()->textCursor().selectedText(), "Ramadan");
    std::vector<int> positions{w->browser()->textCursor().selectionStart()};
    for (int i = 1; i < matches; ++i) {
        EXPECT_EQ(bar->findNext(), FindOutcome::Found) << i;
        EXPECT_TRUE(bar->status()->text().isEmpty());
        positions.push_back(w->browser()->textCursor().selectionStart());
        EXPECT_GT(positions[i], positions[i - 1]);
    }
    EXPECT_EQ(bar->findNext(), FindOutcome::Wrapped);
    EXPECT_EQ(w->browser()->textCursor().selectionStart(), positions.front());
    EXPECT_EQ(bar->status()->text().toStdString(), texts::FindWrappedToTop);
    // Previous from the first match goes round to the last.
    EXPECT_EQ(bar->findPrevious(), FindOutcome::Wrapped);
    EXPECT_EQ(w->browser()->textCursor().selectionStart(), positions.back());
    EXPECT_EQ(bar->status()->text().toStdString(), texts::FindWrappedToBottom);
    EXPECT_EQ(bar->findPrevious(), FindOutcome::Found);
    EXPECT_EQ(w->browser()->textCursor().selectionStart(), positions[positions.size() - 2]);

    // Nothing found: the field and the status say so and the selection stays.
    QTest::keyClicks(bar->field(), "zzz");
    EXPECT_TRUE(bar->showsNotFound());
    EXPECT_EQ(bar->status()->text().toStdString(), texts::FindNotFound);
    EXPECT_NE(bar->field()->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
    EXPECT_EQ(w->browser()->textCursor().selectionStart(), positions[positions.size() - 2]);
    EXPECT_EQ(bar->findNext(), FindOutcome::NotFound);
    QTest::keyClick(bar->field(), Qt::Key_Backspace);
    QTest::keyClick(bar->field(), Qt::Key_Backspace);
    QTest::keyClick(bar->field(), Qt::Key_Backspace);
    EXPECT_FALSE(bar->showsNotFound());
    EXPECT_TRUE(bar->status()->text().isEmpty());

    // Enter finds the next match and does not close the window; Escape closes the bar only.
    QTest::keyClick(bar->field(), Qt::Key_Return);
    EXPECT_TRUE(w->isVisible());
    QTest::keyClick(bar->field(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(w->isVisible());
}

struct PaperCase {
    ShownMonth month;
    QPageSize::PageSizeId paper;
};

// A month prints on one page of A4 and of Letter; the six-week months with the most occasions
// are the longest pages.
TEST_F(MonthCalendarDlgTest, PreviewAndPrintPutAMonthOnOnePage) {
    std::vector<PaperCase> cases;
    for (const ShownMonth& m :
         {ShownMonth{H, 1427, 9}, ShownMonth{H, 1427, 10}, ShownMonth{H, 1427, 12},
          ShownMonth{G, 2006, 10}, ShownMonth{G, 2024, 3}, ShownMonth{G, 2006, 12},
          ShownMonth{H, 1445, 9}, ShownMonth{G, 2026, 3}}) {
        for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
            cases.push_back({m, paper});
        }
    }
    for (const PaperCase& c : cases) {
        SCOPED_TRACE(Heading(c.month) + (c.paper == QPageSize::A4 ? " A4" : " Letter"));
        const auto w = Open(c.month);
        dialogs.paper = c.paper;
        std::filesystem::remove(dialogs.pdfFile);
        w->printPreviewAction()->trigger();
        EXPECT_EQ(PdfPageCount(dialogs.pdfFile), 1);
        std::filesystem::remove(dialogs.pdfFile);
        w->printButton()->click();
        EXPECT_EQ(PdfPageCount(dialogs.pdfFile), 1);
    }
    EXPECT_TRUE(boxes.entries.empty());
}

TEST_F(MonthCalendarDlgTest, PrintCancelledPrintsNothing) {
    const auto w = Open({H, 1427, 9});
    dialogs.printAnswer = false;
    w->printAction()->trigger();
    EXPECT_THAT(dialogs.calls, ElementsAre("print"));
    EXPECT_FALSE(std::filesystem::exists(dialogs.pdfFile));
    // The page counter itself: a page drawn twice is two pages.
    QPrinter printer;
    testing::PrintToPdf(printer, dialogs.pdfFile, QPageSize::A4);
    QTextDocument twoPages;
    twoPages.setHtml("<p>one</p><p style=\"page-break-before: always\">two</p>");
    twoPages.print(&printer);
    EXPECT_EQ(PdfPageCount(dialogs.pdfFile), 2);
}

// The preview the window opens draws the month on one page, of A4 and of Letter.
TEST_F(MonthCalendarDlgTest, QtPreviewShowsOnePage) {
    const auto w = Open({H, 1427, 9});
    for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
        QPrinter printer;
        testing::PrintToPdf(printer, dialogs.pdfFile, paper);
        int pages = -1;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(preview, nullptr);
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            ASSERT_NE(widget, nullptr);
            pages = widget->pageCount();
            preview->reject();
        });
        QtPageDialogs qtDialogs;
        qtDialogs.preview(w.get(), printer, [&](QPrinter* p) { w->paintPage(p); });
        EXPECT_EQ(pages, 1) << (paper == QPageSize::A4 ? "A4" : "Letter");
    }
}

TEST_F(MonthCalendarDlgTest, FontChangesThePageAndStaysForTheNextMonths) {
    const auto w = Open({H, 1427, 9});
    const QFont before = w->browser()->font();
    dialogs.fontAnswer.reset();
    w->fontAction()->trigger();
    EXPECT_EQ(w->browser()->font(), before);

    QFont chosen(before);
    chosen.setPointSize(before.pointSize() + 5);
    chosen.setItalic(true);
    dialogs.fontAnswer = chosen;
    w->fontAction()->trigger();
    EXPECT_EQ(dialogs.initialFont, before);
    EXPECT_EQ(w->browser()->document()->defaultFont().pointSize(), chosen.pointSize());
    EXPECT_TRUE(w->browser()->document()->defaultFont().italic());
    EXPECT_FALSE(w->browser()->textCursor().hasSelection());
    w->monthSpin()->forwardArrow()->click();
    EXPECT_EQ(w->browser()->document()->defaultFont().pointSize(), chosen.pointSize());
    EXPECT_TRUE(w->browser()->document()->defaultFont().italic());
}

// The view takes the room a larger window gives; the controls keep their places.
TEST_F(MonthCalendarDlgTest, ResizingGrowsTheViewAndKeepsTheControlsInPlace) {
    const auto w = Open({H, 1427, 9});
    w->show();
    QApplication::processEvents();
    const std::vector<QWidget*> controls = {w->monthList(), w->yearEdit(), w->yearSpin(),
                                            w->hijriButton(), w->monthSpin()};
    std::vector<QPoint> places;
    for (QWidget* c : controls) {
        places.push_back(c->mapTo(w.get(), QPoint(0, 0)));
    }
    const QSize view = w->browser()->size();
    w->resize(w->width() + 200, w->height() + 150);
    QApplication::processEvents();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i]->mapTo(w.get(), QPoint(0, 0)), places[i]) << i;
    }
    EXPECT_EQ(w->browser()->width(), view.width() + 200);
    EXPECT_EQ(w->browser()->height(), view.height() + 150);
}

// At the window's first size the longest month pages fit across the view.
TEST_F(MonthCalendarDlgTest, PagesFitAcrossTheViewAtTheFirstSize) {
    for (const ShownMonth& m : {ShownMonth{H, 1427, 5}, ShownMonth{H, 1427, 10},
                                ShownMonth{G, 2006, 9}, ShownMonth{G, 2024, 3}}) {
        SCOPED_TRACE(Heading(m));
        const auto w = Open(m);
        w->show();
        QApplication::processEvents();
        EXPECT_EQ(w->browser()->horizontalScrollBar()->maximum(), 0);
        EXPECT_GT(w->browser()->document()->size().height(), 300);  // a whole page laid out
    }
}

}  // namespace
}  // namespace salvenor
