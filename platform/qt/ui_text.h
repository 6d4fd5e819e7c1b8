// The one way a window turns one of the program's English texts (core/texts.h and the name tables)
// into what it shows: the text in the user's language when a translation is installed, the
// English text itself otherwise.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace salvenor {

// The context every translation of the program's texts is filed under.
inline constexpr const char* UiTextContext = "salvenor";

inline QString UiText(const char* english) {
    return QCoreApplication::translate(UiTextContext, english);
}

}  // namespace salvenor
