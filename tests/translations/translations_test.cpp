// Each shipped translation: its file loads, keeps every placeholder, and leaves no English text in
// any window; Arabic lays the windows out right to left; the language choice and its file.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QXmlStreamReader>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/hijri.h"
#include "core/texts.h"
#include "pages/month_page.h"
#include "platform/qt/language.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/ui_text.h"
#include "tests/app/app_test_support.h"
#include "tests/app/every_window.h"
#include "tests/support/installation_folder.h"
#include "windows/language_group.h"
#include "windows/location_dlg.h"
#include "windows/options_sheet.h"

namespace salvenor {
namespace {

using testing::AppTest;

struct Message {
    QString source;
    QString translation;
    bool finished = true;
};

// The messages of a .ts file, read as Qt Linguist writes it.
std::vector<Message> ReadTs(const std::string& code) {
    QFile file(QStringLiteral(SALVENOR_TRANSLATIONS_SOURCE_DIR "/salvenor_%1.ts")
                   .arg(QString::fromStdString(code)));
    std::vector<Message> messages;
    if (!file.open(QIODevice::ReadOnly)) {
        return messages;
    }
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("message")) {
            messages.emplace_back();
        } else if (xml.name() == QLatin1String("source") && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            messages.back().translation = xml.readElementText();
        }
    }
    return messages;
}

// What a translation keeps of its source, in order: the printf and %1 placeholders, and the HTML
// tags (the occasions' colour).
QStringList Kept(const QString& text) {
    static const QRegularExpression kept(QStringLiteral("%(\\d+|0?\\d*l?[sd])|<[^>]*>"));
    QStringList found;
    for (auto it = kept.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    return found;
}

// A shown text as it compares with its source: mnemonics, line breaks and padding dropped.
QString Normalized(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.simplified();
}

std::vector<std::string> ShippedCodes() {
    std::vector<std::string> codes;
    for (const UiLanguage& language : ShippedLanguages) {
        codes.emplace_back(language.code);
    }
    return codes;
}

class ShippedTranslation : public ::testing::TestWithParam<std::string> {};

TEST_P(ShippedTranslation, IsCompleteAndKeepsEveryPlaceholder) {
    const std::vector<Message> messages = ReadTs(GetParam());
    ASSERT_GT(messages.size(), 200U);
    int unfinished = 0;
    for (const Message& m : messages) {
        SCOPED_TRACE(m.source.toStdString());
        unfinished += m.finished && !m.translation.isEmpty() ? 0 : 1;
        EXPECT_EQ(Kept(m.translation), Kept(m.source));
        // A leading or trailing blank or line break is part of how the text is shown.
        EXPECT_EQ(m.translation.endsWith(QLatin1Char(' ')), m.source.endsWith(QLatin1Char(' ')));
        EXPECT_EQ(m.translation.startsWith(QLatin1Char('\n')),
                  m.source.startsWith(QLatin1Char('\n')));
    }
    EXPECT_EQ(unfinished, 0) << "untranslated texts in salvenor_" << GetParam() << ".ts";
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTranslation, ::testing::ValuesIn(ShippedCodes()),
                         [](const auto& info) { return info.param; });

TEST(LanguageChoice, TextsThatStayEnglishAreNotOfferedForTranslation) {
    std::set<QString> sources;
    for (const Message& m : ReadTs("ar")) {
        sources.insert(m.source);
    }
    for (const char* text : texts::StaysEnglish) {
        EXPECT_EQ(sources.count(QString::fromUtf8(text)), 0U) << text;
    }
}

TEST(LanguageChoice, FollowsTheChoiceThenTheSystemsPreferredLanguages) {
    const struct {
        const char* choice;
        const char* system;
        const char* shown;
    } cases[] = {
        {"system", "ar_EG", "ar"},  {"system", "ur_PK", "ur"}, {"system", "tr_TR", "tr"},
        {"system", "ms_MY", "ms"},  {"system", "id_ID", "id"}, {"system", "fr_FR", "fr"},
        {"system", "en_US", ""},    {"system", "de_DE", ""},   {"system", "C", ""},
        {"en", "ar_EG", ""},        {"fr", "en_US", "fr"},     {"ar", "fr_FR", "ar"},
        {"klingon", "tr_TR", "tr"},  // an unknown choice follows the system
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageOf(c.choice, QLocale(QString::fromLatin1(c.system))), c.shown)
            << c.choice << " on " << c.system;
    }
}

TEST(LanguageChoice, IsKeptInSalvenorIniOnlyWhenChanged) {
    const testing::TempDir dir;
    const std::string folder = dir.path().string();
    const std::string ini = folder + "/" + SettingsFileName;
    EXPECT_EQ(SavedLanguageChoiceIn(folder), "system");
    ASSERT_TRUE(SaveLanguageChoiceIn(folder, "system"));
    EXPECT_FALSE(std::filesystem::exists(ini)) << "following the system writes nothing";

    ASSERT_TRUE(SaveLanguageChoiceIn(folder, "tr"));
    EXPECT_EQ(SettingsFile(ini).value(LanguageKey), "tr");
    EXPECT_EQ(SavedLanguageChoiceIn(folder), "tr");
    ASSERT_TRUE(SaveLanguageChoiceIn(folder, "system"));
    EXPECT_EQ(SettingsFile(ini).value(LanguageKey), std::nullopt);

    SettingsFile odd(ini);
    odd.setValue(LanguageKey, "xx");
    ASSERT_TRUE(odd.Save());
    EXPECT_EQ(SavedLanguageChoiceIn(folder), "system");
}

TEST(LanguageChoice, AMissingTranslationFileLeavesEnglish) {
    const testing::TempDir empty;
    EXPECT_EQ(InstallLanguage(empty.path().string(), "ar"), "");
    EXPECT_EQ(UiText(texts::ExitQuestion), QString::fromUtf8(texts::ExitQuestion));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST(LanguageChoice, MessageBoxesSpeakTheLanguage) {
    ASSERT_EQ(InstallLanguage(SALVENOR_STAGE_DIR, "tr"), "tr");
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->accept();
    });
    QtMessageBoxes().show(texts::ExitQuestion, MessageIcon::Question);
    InstallLanguage(SALVENOR_STAGE_DIR, "");
    EXPECT_EQ(shown, QStringLiteral("Salvenor'dan gerçekten çıkmak istiyor musunuz?"));
}

// Every text a window shows a user: titles, labels, buttons, lists, tabs, menus, tips, names.
QStringList ShownTexts(QWidget& window) {
    QStringList shown{window.windowTitle(), window.accessibleName()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        shown << w->toolTip() << w->accessibleName() << w->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            shown << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            shown << button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            shown << group->title();
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                shown << list->itemText(i);
            }
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                shown << tabs->tabText(i);
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            shown << edit->placeholderText();
        }
    }
    for (QAction* action : window.findChildren<QAction*>()) {
        shown << action->text();
    }
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        shown << menu->title();
    }
    return shown;
}

class TranslatedWindows : public AppTest, public ::testing::WithParamInterface<std::string> {
  protected:
    void TearDown() override { InstallLanguage(SALVENOR_STAGE_DIR, ""); }
};

TEST_P(TranslatedWindows, EveryWindowShowsNoUntranslatedEnglishText) {
    ASSERT_EQ(InstallLanguage(SALVENOR_STAGE_DIR, GetParam()), GetParam());
    CPrayerApp& running = Running(false);
    testing::EveryWindow every(running, folder.boxes, sound, clock, folder.path());
    // An English source whose translation differs is untranslated where a window shows it.
    std::map<QString, QString> english;
    for (const Message& m : ReadTs(GetParam())) {
        if (m.translation != m.source) {
            english.emplace(Normalized(m.source), m.source);
        }
    }
    ASSERT_GT(english.size(), 150U);

    std::vector<std::string> untranslated;
    int texts = 0;
    const auto look = [&](const char* name, const QStringList& shown) {
        for (const QString& text : shown) {
            if (text.trimmed().isEmpty()) {
                continue;
            }
            ++texts;
            if (const auto it = english.find(Normalized(text)); it != english.end()) {
                untranslated.push_back(std::string(name) + ": " + it->second.toStdString());
            }
        }
    };
    const auto check = [&](const char* name, QWidget& window) {
        window.show();
        for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
            for (int i = tabs->count() - 1; i >= 0; --i) {
                tabs->setCurrentIndex(i);
            }
        }
        look(name, ShownTexts(window));
    };
    check("prayer bar", Bar());
    // The items of the command, window and tray menus.
    QStringList items;
    for (const QAction* action : running.findChildren<QAction*>()) {
        items << action->text();
    }
    look("menus", items);
    for (const auto& [name, make] : every.windows()) {
        const std::unique_ptr<QWidget> window = make();
        check(name, *window);
        folder.boxes.entries.clear();
    }
    EXPECT_GT(texts, 150) << "too few texts found: the walk itself is broken";
    EXPECT_TRUE(untranslated.empty())
        << untranslated.size() << " untranslated, the first: " << untranslated.front();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindows, ::testing::ValuesIn(ShippedCodes()),
                         [](const auto& info) { return info.param; });

class TranslatedMonthPage : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override { folder.copyCalendarFrom(SALVENOR_STAGE_DIR); }
    void TearDown() override { InstallLanguage(SALVENOR_STAGE_DIR, ""); }

    QString Build(CalendarKind kind, int year, int month) {
        EXPECT_TRUE(BuildMonthPage(kind, year, month, folder.path(), boxes, 0, UiWords(),
                                   InstalledLanguage()));
        QFile page(QString::fromStdString(MonthPagePath(folder.path())));
        return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
    }

    testing::InstallationFolder folder;
    testing::RecordingMessageBoxes boxes;
};

// The month pages speak the language: its template, month names, digits and occasions.
TEST_P(TranslatedMonthPage, NamesTheMonthItsDaysAndItsOccasionsInTheLanguage) {
    const std::string& code = GetParam();
    ASSERT_EQ(InstallLanguage(SALVENOR_STAGE_DIR, code), code);
    const bool rightToLeft = code == "ar" || code == "ur";
    // Ramadan 1446 (March 2025): the start of Ramadan, Badr and the conquest of Makkah.
    const QString hijri = Build(CalendarKind::Hijri, 1446, 9);
    // March 2025: the same month seen from the Gregorian side, Ramadan's days abbreviated.
    const QString gregorian = Build(CalendarKind::Gregorian, 2025, 3);
    for (const QString& page : {hijri, gregorian}) {
        EXPECT_TRUE(page.contains(QStringLiteral("lang=\"%1\"").arg(QString::fromStdString(code))));
        EXPECT_EQ(page.contains(QStringLiteral("dir=\"rtl\"")), rightToLeft);
        EXPECT_TRUE(page.contains(QStringLiteral("<b>%1</b>").arg(UiDigits(QStringLiteral("17")))));
        for (const char* english : {"Saturday", "Battle of Badr", "Start Of Ramadan",
                                    "Occasions of the month", "Hijri calendar"}) {
            EXPECT_FALSE(page.contains(QLatin1String(english))) << english;
        }
    }
    EXPECT_TRUE(hijri.contains(UiText(HijriMonthNames[8]) + QLatin1Char(' ') +
                               UiDigits(QStringLiteral("1446"))));
    EXPECT_TRUE(hijri.contains(UiText(GregorianMonthAbbrevs[2])));
    EXPECT_TRUE(gregorian.contains(UiText(GregorianMonthNames[2])));
    EXPECT_TRUE(gregorian.contains(UiText(HijriMonthAbbrevs[8])));
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedMonthPage, ::testing::ValuesIn(ShippedCodes()),
                         [](const auto& info) { return info.param; });

class LanguageAtOnce : public AppTest {
  protected:
    void TearDown() override { InstallLanguage(SALVENOR_STAGE_DIR, ""); }

    // Chooses `choice` on the Options sheet and presses OK.
    void Choose(const char* choice) {
        testing::WhenModalOpens<COptionsSheet>([choice](COptionsSheet& sheet) {
            sheet.languageGroup()->setChoice(choice);
            sheet.okButton()->click();
        });
        app->Run(Command::Options);
    }

    QString SetupItem() const {
        for (const QAction* action : app->findChildren<QAction*>()) {
            if (action->text().endsWith(QStringLiteral("..."))) {
                return action->text();  // the first of the command menu: Setup
            }
        }
        return {};
    }
};

// The language chosen on the Options sheet is used from its OK on: the menus, the bar's title
// and the windows' direction change at once, and back again.
TEST_F(LanguageAtOnce, TheOptionsSheetsChoiceRenamesTheMenusAndTheBar) {
    std::filesystem::create_directory_symlink(SALVENOR_STAGE_DIR "/translations",
                                              folder.path() + "/translations");
    Running(true);
    const struct {
        const char* choice;
        const char* installed;
        const char* setupItem;
        const char* titleStart;
        Qt::LayoutDirection direction;
    } steps[] = {
        {"ar", "ar", "&إعداد...", "التالي: ", Qt::RightToLeft},
        {"en", "", "&Setup...", "Next: ", Qt::LeftToRight},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.choice);
        Choose(step.choice);
        EXPECT_EQ(InstalledLanguage(), step.installed);
        EXPECT_EQ(SetupItem(), QString::fromUtf8(step.setupItem));
        EXPECT_TRUE(Bar().windowTitle().startsWith(QString::fromUtf8(step.titleStart)))
            << Bar().windowTitle().toStdString();
        EXPECT_EQ(QGuiApplication::layoutDirection(), step.direction);
        EXPECT_EQ(SavedLanguageChoiceIn(folder.path()), step.choice);
    }
}

class RightToLeft : public AppTest {
  protected:
    void TearDown() override { InstallLanguage(SALVENOR_STAGE_DIR, ""); }
};

TEST_F(RightToLeft, ArabicMirrorsTheWindowsAndEnglishDoesNot) {
    const auto labelLeftOfEdit = [] {
        testing::RecordingMessageBoxes boxes;
        CLocationDlg dialog(boxes);
        dialog.show();
        const QLineEdit* edit = dialog.findChildren<QLineEdit*>().front();
        const QWidget* row = edit->parentWidget();
        const QList<QLabel*> labels = row->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        return labels.front()->mapTo(&dialog, QPoint()).x() < edit->mapTo(&dialog, QPoint()).x();
    };
    EXPECT_TRUE(labelLeftOfEdit());

    ASSERT_EQ(InstallLanguage(SALVENOR_STAGE_DIR, "ar"), "ar");
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    EXPECT_FALSE(labelLeftOfEdit()) << "the coordinates' labels stay on the left";

    ASSERT_EQ(InstallLanguage(SALVENOR_STAGE_DIR, "ur"), "ur");
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    ASSERT_EQ(InstallLanguage(SALVENOR_STAGE_DIR, "tr"), "tr");
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST_F(RightToLeft, TheBarsTitleTipAndNoticesAreInArabicWordsAndDigits) {
    ASSERT_EQ(InstallLanguage(SALVENOR_STAGE_DIR, "ar"), "ar");
    Running(false);
    const QString title = Bar().titleText();
    EXPECT_TRUE(title.startsWith(QStringLiteral("التالي: "))) << title.toStdString();
    const NoticeText warning = NoticeTextOf({Asr, 15.5, 10});
    for (const QString& text : {title, Bar().TipText(), warning.summary, warning.body}) {
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[0-9A-Za-z]"))))
            << text.toStdString();
    }
    EXPECT_TRUE(title.contains(QChar(0x0660 + 1)) || title.contains(QChar(0x0660 + 2)) ||
                title.contains(QChar(0x0660)))
        << title.toStdString();
}

}  // namespace
}  // namespace salvenor
