// The message boxes of programs without windows. The interface itself lives in base/messages.h,
// below every layer that reports something.
#pragma once

#include <string>
#include <string_view>

#include "base/messages.h"

namespace salvenor {

// Writes each message as one block on a stream (stderr for the command-line tool); questions are
// answered Yes.
class StderrMessageBoxes final : public MessageBoxes {
  public:
    void show(std::string_view text, MessageIcon icon = MessageIcon::None) override;
    bool askYesNo(std::string_view text, MessageIcon icon = MessageIcon::Question) override;
};

}  // namespace salvenor
