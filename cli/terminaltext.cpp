#include "terminaltext.h"

#include <cstdint>

namespace {

void appendEscaped(std::string &out, unsigned char byte)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
}

// The length of the valid UTF-8 sequence at the start of the text that encodes a printable
// character, or 0.
std::size_t printableSequenceLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return lead >= 0x20 && lead != 0x7F ? 1 : 0;
    std::size_t length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = code >= smallest[length] && code <= 0x10FFFF
                       && !(code >= 0xD800 && code <= 0xDFFF) && !(code >= 0x80 && code < 0xA0);
    return valid ? length : 0;
}

} // namespace

std::string terminalText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = printableSequenceLength(text);
        if (length == 0) {
            appendEscaped(out, static_cast<unsigned char>(text[0]));
            text.remove_prefix(1);
        } else {
            out.append(text.substr(0, length));
            text.remove_prefix(length);
        }
    }
    return out;
}
