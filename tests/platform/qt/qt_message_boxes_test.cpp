// The Qt message boxes: title, text, icon and buttons, answered from inside their own loop.
#include "platform/qt/qt_message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

namespace salvenor {
namespace {

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
};

// Looks at the box once it runs, then presses `answer` on it.
void AnswerNextBox(Seen& seen, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                box->textFormat()};
        box->button(answer)->click();
    });
}

TEST(QtMessageBoxes, ShowsTitledBoxesWithTheNamedIcon) {
    struct Case {
        MessageIcon icon;
        QMessageBox::Icon expected;
    };
    const Case cases[] = {
        {MessageIcon::None, QMessageBox::NoIcon},
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Exclamation, QMessageBox::Warning},
        {MessageIcon::Error, QMessageBox::Critical},
        {MessageIcon::Question, QMessageBox::Question},
    };
    QtMessageBoxes boxes;
    for (const auto& c : cases) {
        Seen seen;
        AnswerNextBox(seen, QMessageBox::Ok);
        boxes.show("Please enter an integer.\n<b>kept</b> as typed", c.icon);
        EXPECT_EQ(seen.title, "Salvenor");
        // Shown as typed: a text is never read as markup.
        EXPECT_EQ(seen.text, "Please enter an integer.\n<b>kept</b> as typed");
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.icon, c.expected);
        EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

TEST(QtMessageBoxes, QuestionsAnswerYesUnlessNo) {
    QtMessageBoxes boxes;
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        Seen seen;
        AnswerNextBox(seen, answer);
        const bool yes = boxes.askYesNo("Exit?");
        EXPECT_EQ(yes, answer == QMessageBox::Yes);
        EXPECT_EQ(seen.title, "Salvenor");
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    }
}

}  // namespace
}  // namespace salvenor
