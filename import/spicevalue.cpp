#include "spicevalue.h"

#include <common/numbertext.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace {

bool isDigitAt(std::string_view text, std::size_t i)
{
    return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
}

// The length of the decimal mantissa and exponent at the start of the text; 0 when it holds
// no digit. Hexadecimal, "inf" and "nan", which strtod would take, are no SPICE numbers.
std::size_t numberLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; isDigitAt(text, i); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.')
        for (++i; isDigitAt(text, i); ++i)
            ++digits;
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t exponent = i + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (isDigitAt(text, exponent)) {
            for (i = exponent; isDigitAt(text, i); ++i) {
            }
        }
    }
    return i;
}

// The factor of the scale at the start of the suffix (already in lower case).
double scaleOf(std::string_view suffix)
{
    if (suffix.starts_with("meg"))
        return 1e6;
    if (suffix.starts_with("mil"))
        return 25.4e-6;
    if (suffix.empty())
        return 1.0;
    switch (suffix.front()) {
    case 'f':
        return 1e-15;
    case 'p':
        return 1e-12;
    case 'n':
        return 1e-9;
    case 'u':
        return 1e-6;
    case 'm':
        return 1e-3;
    case 'k':
        return 1e3;
    case 'g':
        return 1e9;
    case 't':
        return 1e12;
    default:
        return 1.0;
    }
}

bool isScale(std::string_view letters)
{
    return letters == "meg" || letters == "r"
           || (letters.size() == 1
               && std::string_view("fpnumkgt").find(letters) != std::string_view::npos);
}

} // namespace

std::optional<double> parseSpiceValue(std::string_view text)
{
    std::size_t length = numberLength(text);
    if (length == 0)
        return std::nullopt;
    std::string mantissaText(text.substr(0, length));
    std::string suffix;
    for (; length < text.size() && std::isalpha(static_cast<unsigned char>(text[length])); ++length)
        suffix += static_cast<char>(std::tolower(static_cast<unsigned char>(text[length])));
    const std::string_view fraction = text.substr(length);
    if (!fraction.empty()) {
        // RKM notation: the scale stands for the decimal point of a whole number, "4k7".
        const bool whole = std::all_of(mantissaText.begin(), mantissaText.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-';
        });
        const bool digits = std::all_of(fraction.begin(), fraction.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
        if (!whole || !digits || !isScale(suffix))
            return std::nullopt;
        mantissaText += "." + std::string(fraction);
    }
    const double mantissa = parseLeadingDouble(mantissaText.c_str());
    const double value = mantissa * scaleOf(suffix);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}
