// Location Positioning: what it shows, what its edits let through, and how OK reads them.
#include "windows/location_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <ostream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/support/fakes.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class LocationDlgTest : public ::testing::Test {
  protected:
    LocationDlgTest() : dialog(boxes) {
        dialog.longitude = 31.2357;
        dialog.latitude = 1.0 / 3.0;
        dialog.altitude = -12;
        dialog.placeLabel = "Egypt - Cairo";
        dialog.open();
    }
    ~LocationDlgTest() override { dialog.reject(); }

    // Types the three fields, in the dialog's order, and presses OK.
    void Enter(const char* longitude, const char* latitude, const char* altitude) {
        dialog.longitudeEdit()->setText(longitude);
        dialog.latitudeEdit()->setText(latitude);
        dialog.altitudeEdit()->setText(altitude);
        dialog.accept();
    }

    // One warning with `message`, the focus on the field it names (0 longitude, 1 latitude,
    // 2 altitude), the dialog still open and the three numbers it opened with unchanged.
    void ExpectRefused(const char* message, int focused) {
        ASSERT_EQ(boxes.entries.size(), 1u);
        EXPECT_EQ(boxes.entries[0].text, message);
        EXPECT_EQ(boxes.entries[0].icon, MessageIcon::Exclamation);
        const QLineEdit* edits[] = {dialog.longitudeEdit(), dialog.latitudeEdit(),
                                    dialog.altitudeEdit()};
        EXPECT_EQ(dialog.focusWidget(), edits[focused]);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.longitude, 31.2357);
        EXPECT_EQ(dialog.latitude, 1.0 / 3.0);
        EXPECT_EQ(dialog.altitude, -12.0);
    }

    // The controls the Tab key reaches, in its order, from the longitude edit on.
    std::vector<QWidget*> TabOrder() {
        std::vector<QWidget*> order;
        QWidget* w = dialog.longitudeEdit();
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&dialog)) {
                order.push_back(w);
            }
            w = w->nextInFocusChain();
        } while (w != dialog.longitudeEdit() && order.size() < 20);
        return order;
    }

    testing::RecordingMessageBoxes boxes;
    CLocationDlg dialog;
};

TEST_F(LocationDlgTest, ShowsTheFieldsWithFifteenDigits) {
    EXPECT_EQ(dialog.windowTitle(), "Location Positioning");
    EXPECT_EQ(dialog.placeLabelControl()->text(), "Egypt - Cairo");
    EXPECT_EQ(dialog.longitudeEdit()->text(), "31.2357");
    EXPECT_EQ(dialog.latitudeEdit()->text(), "0.333333333333333");
    EXPECT_EQ(dialog.altitudeEdit()->text(), "-12");
}

// Typed characters: digits, one leading minus sign and one decimal point.
struct TypingCase {
    const char* typed;
    const char* shown;
};
void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class LocationTypingTest : public LocationDlgTest,
                           public ::testing::WithParamInterface<TypingCase> {};

TEST_P(LocationTypingTest, EditsTakeSignedDecimals) {
    for (QLineEdit* edit : {dialog.longitudeEdit(), dialog.latitudeEdit(), dialog.altitudeEdit()}) {
        edit->clear();
        QTest::keyClicks(edit, GetParam().typed);
        EXPECT_EQ(edit->text().toStdString(), GetParam().shown);
    }
}

INSTANTIATE_TEST_SUITE_P(Typing, LocationTypingTest,
                         ::testing::Values(TypingCase{"-58.3816", "-58.3816"},
                                           TypingCase{"12.5.3", "12.53"}, TypingCase{"1-2", "12"},
                                           TypingCase{"--4", "-4"}, TypingCase{"N31 E30", "3130"},
                                           TypingCase{".5", ".5"}));

TEST_F(LocationDlgTest, PastedTextIsNotFiltered) {
    dialog.longitudeEdit()->clear();
    dialog.longitudeEdit()->insert("12.5 E");
    EXPECT_EQ(dialog.longitudeEdit()->text(), "12.5 E");
    dialog.accept();
    EXPECT_EQ(dialog.longitude, 12.5);  // the number at the start is taken
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(LocationDlgTest, OkTakesAllThreeNumbers) {
    dialog.longitudeEdit()->setText("  -58.3816");
    dialog.latitudeEdit()->setText("-34.6037xyz");
    dialog.altitudeEdit()->setText("2.5e1");
    dialog.accept();
    EXPECT_THAT(boxes.entries, IsEmpty());
    EXPECT_EQ(dialog.longitude, -58.3816);
    EXPECT_EQ(dialog.latitude, -34.6037);
    EXPECT_EQ(dialog.altitude, 25.0);
    EXPECT_FALSE(dialog.isVisible());
}

// The edits are read altitude, latitude, longitude; the first that is not a number is the one
// reported and focused, and no field changes.
struct RefusalCase {
    const char* name;
    const char* longitude;
    const char* latitude;
    const char* altitude;
    int focused;  // 0 longitude, 1 latitude, 2 altitude
};

class LocationRefusalTest : public LocationDlgTest,
                            public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LocationRefusalTest, FirstBadEditInReadingOrderIsReported) {
    const RefusalCase& c = GetParam();
    Enter(c.longitude, c.latitude, c.altitude);
    ExpectRefused(texts::EnterNumber, c.focused);
}

INSTANTIATE_TEST_SUITE_P(Refusals, LocationRefusalTest,
                         ::testing::Values(RefusalCase{"AllBad", "x", "y", "z", 2},
                                           RefusalCase{"LatitudeAndLongitude", "-", "N30", "12", 1},
                                           RefusalCase{"LongitudeOnly", "", "30", "12", 0},
                                           RefusalCase{"LonePoint", "31", ".", "12", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Coordinates no place has are refused with the range message, in the reading order, and no
// field changes; the bounds themselves are taken.
TEST_F(LocationDlgTest, CoordinatesOutOfRangeAreRefused) {
    struct Case {
        const char* longitude;
        const char* latitude;
        const char* altitude;
        const char* message;  // empty: accepted
        int focused;          // 0 longitude, 1 latitude, 2 altitude
    };
    const Case cases[] = {
        {"31", "95", "12", "Please enter a number between -90 and 90.", 1},
        {"31", "-90.5", "12", "Please enter a number between -90 and 90.", 1},
        {"999999", "30", "12", "Please enter a number between -180 and 180.", 0},
        {"-180.01", "30", "12", "Please enter a number between -180 and 180.", 0},
        {"31", "30", "9001", "Please enter a number between -500 and 9000.", 2},
        {"31", "30", "-501", "Please enter a number between -500 and 9000.", 2},
        {"999", "95", "-501", "Please enter a number between -500 and 9000.", 2},
        {"-180", "-90", "-500", "", 0},
        {"180", "90", "9000", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.longitude) + " " + c.latitude + " " + c.altitude);
        boxes.entries.clear();
        dialog.open();
        Enter(c.longitude, c.latitude, c.altitude);
        if (*c.message == '\0') {
            EXPECT_THAT(boxes.entries, IsEmpty());
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(dialog.longitude, std::stod(c.longitude));
            EXPECT_EQ(dialog.latitude, std::stod(c.latitude));
            EXPECT_EQ(dialog.altitude, std::stod(c.altitude));
            continue;
        }
        ExpectRefused(c.message, c.focused);
    }
}

// The OK and Cancel row: texts, default, the keyboard's path, and OK reading the numbers first.
TEST_F(LocationDlgTest, OkIsTheDefaultAndCancelFollowsIt) {
    EXPECT_EQ(dialog.okButton()->text(), texts::OkButton);
    EXPECT_EQ(dialog.cancelButton()->text(), texts::CancelButton);
    EXPECT_TRUE(dialog.okButton()->isDefault());
    EXPECT_FALSE(dialog.cancelButton()->isDefault());
    EXPECT_THAT(TabOrder(),
                ElementsAre(dialog.longitudeEdit(), dialog.latitudeEdit(), dialog.altitudeEdit(),
                            dialog.okButton(), dialog.cancelButton()));
}

TEST_F(LocationDlgTest, OkButtonRefusesABadNumberAndKeepsTheDialogOpen) {
    dialog.latitudeEdit()->setText("N30");
    dialog.okButton()->click();
    ASSERT_EQ(boxes.entries.size(), 1u);
    EXPECT_EQ(boxes.entries[0].text, texts::EnterNumber);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.latitude, 1.0 / 3.0);
}

TEST_F(LocationDlgTest, OkButtonTakesTheNumbersAndCloses) {
    dialog.longitudeEdit()->setText("-58.3816");
    dialog.okButton()->click();
    EXPECT_THAT(boxes.entries, IsEmpty());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.longitude, -58.3816);
}

TEST_F(LocationDlgTest, ReturnInAnEditPressesOk) {
    dialog.altitudeEdit()->setText("25");
    QTest::keyClick(dialog.altitudeEdit(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.altitude, 25.0);
}

TEST_F(LocationDlgTest, CancelButtonLeavesTheFields) {
    dialog.longitudeEdit()->setText("10");
    dialog.cancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.longitude, 31.2357);
    EXPECT_THAT(boxes.entries, IsEmpty());
}

}  // namespace
}  // namespace salvenor
