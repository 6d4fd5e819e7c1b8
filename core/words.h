// The user's language for the standard-C++ layers: the Qt program passes a function that turns one
// of the program's English texts (core/texts.h, the name tables) into the text shown, and one that
// writes the ASCII digits of a number in the language's own digits; without them every text stays
// English, with ASCII digits.
#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

namespace salvenor {

class WordsOf {
  public:
    using Translate = std::function<std::string(const char* english)>;
    using Digits = std::function<std::string(std::string ascii)>;

    WordsOf() = default;
    // Any callable that translates; the digits stay ASCII.
    template <typename F,
              typename = std::enable_if_t<std::is_invocable_r_v<std::string, F, const char*> &&
                                          !std::is_same_v<std::decay_t<F>, WordsOf>>>
    WordsOf(F translate) : translate_(std::move(translate)) {}
    WordsOf(Translate translate, Digits digits)
        : translate_(std::move(translate)), digits_(std::move(digits)) {}

    // Whether a language other than English is in force.
    explicit operator bool() const { return static_cast<bool>(translate_); }

    std::string operator()(const char* english) const {
        return translate_ ? translate_(english) : std::string(english);
    }
    // `text` (a number, a date, a clock time) with its ASCII digits in the language's digits.
    std::string digits(std::string text) const { return digits_ ? digits_(std::move(text)) : text; }

  private:
    Translate translate_;
    Digits digits_;
};

inline std::string WordOf(const WordsOf& words, const char* english) {
    return words(english);
}

}  // namespace salvenor
