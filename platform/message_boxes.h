// Every modal message and Yes/No question of the program goes through MessageBoxes, so that tests
// can answer and record them and the command-line tool can print them.
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
};

// Writes each message as one block on a stream (stderr for the command-line tool); questions are
// answered Yes.
class StderrMessageBoxes final : public MessageBoxes {
  public:
    void show(std::string_view text, MessageIcon icon = MessageIcon::None) override;
    bool askYesNo(std::string_view text, MessageIcon icon = MessageIcon::Question) override;
};

}  // namespace salvenor
