// Messages written to stderr, for programs without windows.
#include "platform/message_boxes.h"

#include <iostream>

namespace salvenor {

void StderrMessageBoxes::show(std::string_view text, MessageIcon) {
    std::cerr << text << '\n';
}

bool StderrMessageBoxes::askYesNo(std::string_view text, MessageIcon) {
    std::cerr << text << " [Yes]\n";
    return true;
}

}  // namespace salvenor
