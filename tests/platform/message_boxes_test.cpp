// The silent messages: nothing shown, every message and question counted, the first text kept,
// questions answered as the seam was made to answer.
#include "platform/message_boxes.h"

#include <gtest/gtest.h>

namespace salvenor {
namespace {

TEST(SilentMessageBoxes, CountsEveryMessageAndQuestionAndKeepsTheFirstText) {
    SilentMessageBoxes boxes;
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_EQ(boxes.firstText(), "");
    boxes.show("Cannot save the file.", MessageIcon::Error);
    EXPECT_TRUE(boxes.askYesNo("Overwrite it?"));
    boxes.show("A second message.");
    EXPECT_EQ(boxes.count(), 3);
    EXPECT_EQ(boxes.firstText(), "Cannot save the file.");
}

TEST(SilentMessageBoxes, AnswersQuestionsAsMadeAndAQuestionCanComeFirst) {
    SilentMessageBoxes no(false);
    EXPECT_FALSE(no.askYesNo("Exit?"));
    no.show("Later.");
    EXPECT_EQ(no.count(), 2);
    EXPECT_EQ(no.firstText(), "Exit?");
}

}  // namespace
}  // namespace salvenor
