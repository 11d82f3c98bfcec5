#include "spicenamemap.h"

#include "spicetext.h"

#include <model/rtfplaintext.h>
#include <model/tcircuitdocument.h>
#include <model/textblock.h>

namespace {

constexpr std::string_view heading = "SPICE names on this sheet:";

// The text in RTF: the three marks escaped, every other byte outside ASCII as the Unicode
// character of its UTF-8 sequence where it is one, else dropped.
void appendRtf(std::string &rtf, std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\\' || byte == '{' || byte == '}') {
            rtf += '\\';
            rtf += static_cast<char>(byte);
        } else if (byte >= 0x20 && byte < 0x7F) {
            rtf += static_cast<char>(byte);
        } else if ((byte & 0xE0) == 0xC0 && i + 1 < text.size()
                   && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const int code
                = ((byte & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            rtf += "\\u" + std::to_string(code) + "?";
            ++i;
        } else if ((byte & 0xF0) == 0xE0 && i + 2 < text.size()
                   && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80
                   && (static_cast<unsigned char>(text[i + 2]) & 0xC0) == 0x80) {
            const int code = ((byte & 0x0F) << 12)
                             | ((static_cast<unsigned char>(text[i + 1]) & 0x3F) << 6)
                             | (static_cast<unsigned char>(text[i + 2]) & 0x3F);
            // RTF writes a Unicode character as a signed 16-bit number.
            rtf += "\\u" + std::to_string(code > 32767 ? code - 65536 : code) + "?";
            i += 2;
        }
    }
}

} // namespace

void SpiceNameMap::add(std::string spice, std::string sheet)
{
    m_index.emplace(spiceLowerCase(spice), m_entries.size());
    m_entries.push_back({std::move(spice), std::move(sheet)});
}

std::optional<std::string> SpiceNameMap::find(std::string_view spice) const
{
    const auto found = m_index.find(spiceLowerCase(spice));
    if (found == m_index.end())
        return std::nullopt;
    return m_entries[found->second].sheet;
}

std::string SpiceNameMap::rtf() const
{
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Courier New;}}\\f0\\fs16 ";
    rtf.append(heading);
    for (const Entry &entry : m_entries) {
        rtf += "\\par\n";
        appendRtf(rtf, entry.spice);
        rtf.append(arrow);
        appendRtf(rtf, entry.sheet);
    }
    return rtf + "\\par\n}";
}

SpiceNameMap SpiceNameMap::fromText(std::string_view plain)
{
    SpiceNameMap map;
    while (!plain.empty()) {
        const std::size_t end = plain.find('\n');
        const std::string_view line = plain.substr(0, end);
        plain = end == std::string_view::npos ? std::string_view() : plain.substr(end + 1);
        const std::size_t split = line.rfind(arrow);
        if (split == std::string_view::npos || split == 0)
            continue;
        map.add(std::string(line.substr(0, split)), std::string(line.substr(split + arrow.size())));
    }
    return map;
}

SpiceNameMap SpiceNameMap::ofDocument(const TCircuitDocument &document)
{
    for (const CircTool *tool : document.tools()) {
        const auto *block = dynamic_cast<const TextBlock *>(tool);
        if (block && block->name() == blockName)
            return fromText(rtfPlainText(block->text()));
    }
    return {};
}
