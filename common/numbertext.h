#pragma once

#include <cstddef>
#include <string>

// Decimal number text in the "C" conventions (a point as decimal separator), whatever locale
// the process runs in.

// Reads the number at the start of the text as the standard strtod does (leading white space,
// sign, decimal or hexadecimal digits, exponent, inf and nan). Answers the value, and the
// number of characters consumed in *consumed (0 when no number could be read; the value is 0).
double parseLeadingDouble(const char *text, std::size_t *consumed = nullptr);

// The value in the general floating-point format with the given number of significant digits:
// fixed notation where the decimal exponent lies from -4 to precision - 1, exponent notation
// otherwise, trailing zeros dropped (as printf's %.*g).
std::string formatGeneral(double value, int precision);

// The value in exponent notation with the given number of digits after the point and an
// exponent of at least two digits (as printf's %.*e).
std::string formatScientific(double value, int precision);

// The value mantissa × 2^binaryExponent in the general format, also where it lies beyond the
// range of doubles: 1.5 × 2^4000 is "1.98409e+1204". Within the range the text is that of
// formatGeneral.
std::string formatGeneralScaled(double mantissa, long long binaryExponent, int precision);
