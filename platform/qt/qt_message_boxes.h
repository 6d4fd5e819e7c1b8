// The message seam on Qt: modal message boxes titled with the program's name.
#pragma once

#include "platform/message_boxes.h"

class QWidget;

namespace salvenor {

class QtMessageBoxes final : public MessageBoxes {
  public:
    void show(std::string_view text, MessageIcon icon = MessageIcon::None) override;
    bool askYesNo(std::string_view text, MessageIcon icon = MessageIcon::Question) override;
    std::string inUserLanguage(const char* english) const override;
};

}  // namespace salvenor
