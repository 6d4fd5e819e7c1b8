// The bar's place: kept in salvenor.ini when the user leaves it somewhere, found there at the
// next start and brought on screen, and forgotten by the Options sheet's corner button.
#include <QGuiApplication>
#include <QScreen>

#include "platform/settings_file.h"
#include "tests/app/app_test_support.h"
#include "windows/options_sheet.h"

namespace salvenor {
namespace {

using testing::AppTest;

TEST(BarPlaceSetting, ReadsBothCoordinatesOrNothing) {
    const struct {
        const char* label;
        std::map<std::string, std::string> values;
        std::optional<QPoint> place;
    } cases[] = {
        {"both", {{"bar/x", "1200"}, {"bar/y", "40"}}, QPoint(1200, 40)},
        {"left of the primary screen", {{"bar/x", "-1500"}, {"bar/y", "0"}}, QPoint(-1500, 0)},
        {"never saved", {}, std::nullopt},
        {"x only", {{"bar/x", "1200"}}, std::nullopt},
        {"not a number", {{"bar/x", "left"}, {"bar/y", "40"}}, std::nullopt},
        {"beyond any desktop", {{"bar/x", "5000000"}, {"bar/y", "40"}}, std::nullopt},
    };
    for (const auto& c : cases) {
        testing::TempDir dir;
        const std::string path = (dir.path() / SettingsFileName).string();
        {
            SettingsFile file(path);
            for (const auto& [key, value] : c.values) {
                file.setValue(key, value);
            }
            ASSERT_TRUE(file.Save());
        }
        EXPECT_EQ(SavedBarPlace(SettingsFile(path)), c.place) << c.label;
    }
}

TEST(BarPlaceSetting, StoresAndForgets) {
    testing::TempDir dir;
    const std::string path = (dir.path() / SettingsFileName).string();
    SettingsFile file(path);
    file.setBool(NoTrayExplainedKey, true);
    StoreBarPlace(file, QPoint(-20, 700));
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(SavedBarPlace(SettingsFile(path)), QPoint(-20, 700));
    StoreBarPlace(file, std::nullopt);
    ASSERT_TRUE(file.Save());
    const SettingsFile after(path);
    EXPECT_EQ(SavedBarPlace(after), std::nullopt);
    EXPECT_FALSE(after.value(BarXKey).has_value());
    EXPECT_TRUE(after.boolValue(NoTrayExplainedKey, false)) << "the other settings stay";
}

class BarPlaceTest : public AppTest {
  protected:
    std::string SettingsPath() const { return folder.path() + "/" + SettingsFileName; }
    void SavePlace(QPoint place) {
        SettingsFile file(SettingsPath());
        StoreBarPlace(file, place);
        ASSERT_TRUE(file.Save());
    }
    std::optional<QPoint> StoredPlace() const {
        return SavedBarPlace(SettingsFile(SettingsPath()));
    }
    QRect Screen() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    QPoint Corner() const {
        return CPrayerBarDlg::HomeGeometry(QGuiApplication::primaryScreen()->geometry()).topLeft();
    }
    // Lets the bar's settle timer run out.
    void Settle() { QTest::qWait(CPrayerBarDlg::PlaceSettleMs + 200); }
};

TEST_F(BarPlaceTest, AFirstStartSitsInTheCornerAndSavesNothing) {
    Running(true);
    EXPECT_EQ(Bar().pos(), Corner());
    Settle();
    EXPECT_EQ(StoredPlace(), std::nullopt);
}

TEST_F(BarPlaceTest, StartsWhereTheUserLeftItAndKeepsItOnScreen) {
    const QRect screen = Screen();
    const struct {
        const char* label;
        QPoint saved;
        QPoint expected;
    } cases[] = {
        {"on screen", screen.topLeft() + QPoint(30, 200), screen.topLeft() + QPoint(30, 200)},
        {"beyond the right edge (a screen gone)", QPoint(screen.right() + 900, 100),
         QPoint(screen.right() + 1 - CPrayerBarDlg::BarWidth, 100)},
        {"below the bottom (a smaller screen)", QPoint(40, screen.bottom() + 300),
         QPoint(40, screen.bottom() + 1 - CPrayerBarDlg::BarHeight)},
        {"above and left of it", QPoint(-3000, -50), screen.topLeft()},
    };
    for (const auto& c : cases) {
        SavePlace(c.saved);
        Running(true);
        EXPECT_EQ(Bar().pos(), c.expected) << c.label;
        // Brought on screen by the program: what the user chose stays saved for its screen.
        Settle();
        EXPECT_EQ(StoredPlace(), c.saved) << c.label;
        app.reset();
    }
}

TEST_F(BarPlaceTest, AMoveOfTheUsersIsSavedOnceTheBarRests) {
    Running(true);
    const QPoint place = Screen().topLeft() + QPoint(120, 300);
    Bar().move(place - QPoint(10, 10));
    Bar().move(place);
    EXPECT_EQ(StoredPlace(), std::nullopt) << "not while it still moves";
    Settle();
    EXPECT_EQ(StoredPlace(), place);

    // The next start finds it there.
    app.reset();
    Running(true);
    EXPECT_EQ(Bar().pos(), place);
}

TEST_F(BarPlaceTest, TheOptionsSheetsButtonPutsTheBarBackInTheCorner) {
    SavePlace(Screen().topLeft() + QPoint(50, 50));
    Running(true);
    ASSERT_NE(Bar().pos(), Corner());
    testing::WhenModalOpens<COptionsSheet>([](COptionsSheet& sheet) {
        sheet.putBarInCornerButton()->click();
        sheet.reject();
    });
    app->Run(Command::Options);
    EXPECT_EQ(Bar().pos(), Corner());
    EXPECT_EQ(StoredPlace(), std::nullopt);
    Settle();
    EXPECT_EQ(StoredPlace(), std::nullopt) << "the program's own move is no place of the user's";
}

}  // namespace
}  // namespace salvenor
