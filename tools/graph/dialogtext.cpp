#include "dialogtext.h"

#include <common/numbertext.h>

#include <cctype>

namespace DialogText {

std::string number(double value)
{
    return formatGeneral(value, 17);
}

double readNumber(const std::string &text)
{
    return parseLeadingDouble(text.c_str());
}

int readInteger(const std::string &text, int lowest, int highest)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > highest - static_cast<long long>(lowest))
            break; // beyond either bound already
    }
    if (negative)
        value = -value;
    if (value < lowest)
        return lowest;
    return value > highest ? highest : static_cast<int>(value);
}

labelUnit readLabel(const std::string &text)
{
    return labelUnit(std::string_view(text).substr(0, fieldLength));
}

} // namespace DialogText
