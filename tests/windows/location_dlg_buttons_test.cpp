// Location Positioning's OK and Cancel row: its texts, its default, the keyboard's path through the
// dialog, and that OK still reads the numbers before the dialog closes.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/texts.h"
#include "tests/support/fakes.h"
#include "windows/location_dlg.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class LocationButtonsTest : public ::testing::Test {
  protected:
    LocationButtonsTest() : dialog(boxes) {
        dialog.longitude = 31.2357;
        dialog.latitude = 30.0444;
        dialog.altitude = 23;
        dialog.open();
    }
    ~LocationButtonsTest() override { dialog.reject(); }

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

TEST_F(LocationButtonsTest, OkIsTheDefaultAndCancelFollowsIt) {
    EXPECT_EQ(dialog.okButton()->text(), texts::OkButton);
    EXPECT_EQ(dialog.cancelButton()->text(), texts::CancelButton);
    EXPECT_TRUE(dialog.okButton()->isDefault());
    EXPECT_FALSE(dialog.cancelButton()->isDefault());
    EXPECT_THAT(TabOrder(),
                ElementsAre(dialog.longitudeEdit(), dialog.latitudeEdit(), dialog.altitudeEdit(),
                            dialog.okButton(), dialog.cancelButton()));
}

TEST_F(LocationButtonsTest, OkButtonRefusesABadNumberAndKeepsTheDialogOpen) {
    dialog.latitudeEdit()->setText("N30");
    dialog.okButton()->click();
    ASSERT_EQ(boxes.entries.size(), 1u);
    EXPECT_EQ(boxes.entries[0].text, texts::EnterNumber);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.latitude, 30.0444);
}

TEST_F(LocationButtonsTest, OkButtonTakesTheNumbersAndCloses) {
    dialog.longitudeEdit()->setText("-58.3816");
    dialog.okButton()->click();
    EXPECT_THAT(boxes.entries, IsEmpty());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.longitude, -58.3816);
}

TEST_F(LocationButtonsTest, ReturnInAnEditPressesOk) {
    dialog.altitudeEdit()->setText("25");
    QTest::keyClick(dialog.altitudeEdit(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.altitude, 25.0);
}

TEST_F(LocationButtonsTest, CancelButtonLeavesTheFields) {
    dialog.longitudeEdit()->setText("10");
    dialog.cancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.longitude, 31.2357);
    EXPECT_THAT(boxes.entries, IsEmpty());
}

}  // namespace
}  // namespace salvenor
