// The words of the user's language for the standard-C++ layers: the Qt program passes a function
// that turns one of the program's English texts (core/texts.h, the name tables) into the text
// shown; without one every text stays English.
#pragma once

#include <functional>
#include <string>

namespace salvenor {

using WordsOf = std::function<std::string(const char* english)>;

inline std::string WordOf(const WordsOf& words, const char* english) {
    return words ? words(english) : std::string(english);
}

}  // namespace salvenor
