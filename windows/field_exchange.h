// One field exchange for every settings window: numbers shown and read as the windows expect,
// with the validation messages (exclamation icon, focus back on the edit, window kept open).
#pragma once

#include <QLineEdit>
#include <cstddef>
#include <string_view>

#include "platform/message_boxes.h"

namespace salvenor::fx {

// What a number edit lets the user type. Pasted text is not filtered: the readers scan the
// number at its start and ignore the rest.
enum class TypedNumber {
    Digits,         // 0-9
    SignedInteger,  // 0-9 and a leading minus sign
    SignedDecimal,  // 0-9, a leading minus sign and one decimal point
};

// Whether typing `c` at `position` of `text` (the edit's text with any selection already taken
// out) is let through.
bool AcceptsTypedCharacter(std::string_view text, std::size_t position, char c, TypedNumber kind);

// Filters the printable characters typed into the edit by AcceptsTypedCharacter; editing keys,
// shortcuts and pasting pass.
void RestrictTyping(QLineEdit* edit, TypedNumber kind);

// Shows a double with up to 15 significant digits.
void ShowDouble(QLineEdit* edit, double value);
void ShowInteger(QLineEdit* edit, long long value);

// Each reader scans the number at the start of the text (leading blanks passed over, the rest
// ignored). On failure it shows its message, puts the focus on the edit, selects its text and
// returns false; `value` is changed only as stated.

// "Please enter a number." when the text does not start with a number; value unchanged.
bool ReadDouble(QLineEdit* edit, double& value, MessageBoxes& boxes);

// As ReadDouble, then "Please enter a number between %1 and %2." with the bounds when the number
// lies outside min..max; value unchanged then.
bool ReadDoubleInRange(QLineEdit* edit, double& value, double min, double max, MessageBoxes& boxes);

// "Please enter an integer." when the text does not start with an integer; value unchanged.
bool ReadInteger(QLineEdit* edit, int& value, MessageBoxes& boxes);

// As ReadInteger, then "Please enter an integer between %1 and %2." with the bounds when the
// number lies outside min..max; the value then holds the number typed.
bool ReadIntegerInRange(QLineEdit* edit, int& value, int min, int max, MessageBoxes& boxes);

// "Please enter a positive integer." when the text does not start with an unsigned number.
bool ReadPositiveInteger(QLineEdit* edit, unsigned& value, MessageBoxes& boxes);

// As ReadPositiveInteger, then "Please enter an integer between %1 and %2." with the bounds when
// the number lies outside min..max; the value then holds the number typed.
bool ReadPositiveIntegerInRange(QLineEdit* edit, unsigned& value, unsigned min, unsigned max,
                                MessageBoxes& boxes);

}  // namespace salvenor::fx
