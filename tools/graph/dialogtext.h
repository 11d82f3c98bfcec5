#pragma once

#include <model/labelunit.h>

#include <string>

// How the tool dialogs show and read back their fields.
namespace DialogText {

// Text fields hand back at most this many characters.
inline constexpr std::size_t fieldLength = 62;

// A number with all its significant digits.
std::string number(double value);
// The decimal number at the start of the text; 0 when there is none.
double readNumber(const std::string &text);
// An integer: leading blanks, an optional sign and the decimal digits up to the first other
// character; 0 without digits. Kept within lowest ... highest.
int readInteger(const std::string &text, int lowest, int highest);
// The field's text as a label: its first fieldLength characters.
labelUnit readLabel(const std::string &text);

} // namespace DialogText
