#pragma once

#include <common/color.h>

#include <string>
#include <string_view>

// A colour entry of the settings file: "red,green,blue", each a decimal number.

// Reads the text as three comma-separated numbers, each converted as a decimal integer
// (optional sign, then leading digits; anything else gives 0) of which only the low 8 bits
// count, so that 300 reads as 44. Missing numbers are 0. Only the first 80 characters are
// read.
Color ParseColour(std::string_view text);
// "%d,%d,%d" with red, green and blue.
std::string formatColour(const Color &color);
