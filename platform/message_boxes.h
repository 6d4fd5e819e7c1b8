// The message boxes of programs without windows. The interface itself lives in base/messages.h,
// below every layer that reports something.
#pragma once

#include <string>
#include <string_view>

#include "base/messages.h"

namespace salvenor {

// Shows nothing, for what runs with no one to answer: tools, benchmarks, fuzz targets, and a
// window closing on its own. It counts the messages and questions and keeps the first text, for
// the callers that report or check them; questions get the answer it was made with (Yes unless
// told otherwise).
class SilentMessageBoxes final : public MessageBoxes {
  public:
    explicit SilentMessageBoxes(bool answer = true) : answer_(answer) {}

    void show(std::string_view text, MessageIcon = MessageIcon::None) override { keep(text); }
    bool askYesNo(std::string_view text, MessageIcon = MessageIcon::Question) override {
        keep(text);
        return answer_;
    }

    int count() const { return count_; }
    // The first message or question given; empty while there has been none.
    const std::string& firstText() const { return firstText_; }

  private:
    void keep(std::string_view text) {
        if (count_++ == 0) {
            firstText_.assign(text);
        }
    }

    bool answer_;
    int count_ = 0;
    std::string firstText_;
};

// Writes each message as one block on a stream (stderr for the command-line tool); questions are
// answered Yes.
class StderrMessageBoxes final : public MessageBoxes {
  public:
    void show(std::string_view text, MessageIcon icon = MessageIcon::None) override;
    bool askYesNo(std::string_view text, MessageIcon icon = MessageIcon::Question) override;
};

}  // namespace salvenor
