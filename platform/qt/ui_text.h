// The one way a window turns one of the program's English texts (core/texts.h and the name tables)
// into what it shows: the text in the user's language when a translation is installed, the
// English text itself otherwise.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

namespace salvenor {

// The context every translation of the program's texts is filed under.
inline constexpr const char* UiTextContext = "salvenor";

inline QString UiText(const char* english) {
    return QCoreApplication::translate(UiTextContext, english);
}

// The same as UTF-8 bytes, for the printf patterns and the message boxes' std::string texts.
inline std::string UiString(const char* english) {
    return UiText(english).toStdString();
}

}  // namespace salvenor
