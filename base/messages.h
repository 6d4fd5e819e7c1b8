// How every layer tells the user something: each modal message and Yes/No question goes through
// MessageBoxes, which the program sets (message boxes on screen, standard error for the command
// line) and tests replace to answer and record.
#pragma once

#include <string>
#include <string_view>

namespace salvenor {

enum class MessageIcon {
    None,
    Information,
    Exclamation,  // the warning triangle of the settings windows' validation messages
    Error,        // the stop sign
    Question,
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A modal box with one OK button; returns when it is dismissed.
    virtual void show(std::string_view text, MessageIcon icon = MessageIcon::None) = 0;
    // A modal Yes/No question; true unless the answer is No.
    virtual bool askYesNo(std::string_view text, MessageIcon icon = MessageIcon::Question) = 0;
    // One of the program's English texts (core/texts.h) in the user's language, for a message
    // that is put together before it is shown (a path or a field's name in its place). Boxes that
    // show no translation keep the English.
    virtual std::string inUserLanguage(const char* english) const { return english; }
};

}  // namespace salvenor
