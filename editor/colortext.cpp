#include "colortext.h"

#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t entryLength = 80;

// The low 8 bits of the integer at the start of the token, computed digit by digit so that
// no length of digits overflows.
std::uint8_t lowByteOf(std::string_view token)
{
    std::size_t i = 0;
    while (i < token.size() && std::isspace(static_cast<unsigned char>(token[i])))
        ++i;
    bool negative = false;
    if (i < token.size() && (token[i] == '-' || token[i] == '+'))
        negative = token[i++] == '-';
    std::uint8_t value = 0;
    for (; i < token.size() && std::isdigit(static_cast<unsigned char>(token[i])); ++i)
        value = static_cast<std::uint8_t>(value * 10 + (token[i] - '0'));
    return negative ? static_cast<std::uint8_t>(-value) : value;
}

} // namespace

Color ParseColour(std::string_view text)
{
    text = text.substr(0, entryLength);
    std::array<std::uint8_t, 3> parts{};
    for (std::uint8_t &part : parts) {
        if (text.empty())
            break;
        const std::size_t comma = text.find(',');
        part = lowByteOf(text.substr(0, comma));
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    return {parts[0], parts[1], parts[2]};
}

std::string formatColour(const Color &color)
{
    return std::to_string(color.red) + ',' + std::to_string(color.green) + ','
           + std::to_string(color.blue);
}
