#include "textblock.h"

#include <model/parameterdialogs.h>
#include <model/rtfplaintext.h>
#include <model/sheetgeometry.h>
#include <model/textboxeditordata.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Greedy word wrap of one paragraph to the given width; a word wider than the width gets a
// line of its own.
void wrapParagraph(const DrawSurface &surface, std::string_view paragraph, int width,
                   std::vector<std::string> &lines)
{
    std::string line;
    std::size_t position = 0;
    do {
        const std::size_t blank = paragraph.find(' ', position);
        const std::string_view word = paragraph.substr(position, blank - position);
        std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && surface.textExtent(candidate).width > width) {
            lines.push_back(std::move(line));
            line = std::string(word);
        } else {
            line = std::move(candidate);
        }
        position = blank == std::string_view::npos ? paragraph.size() + 1 : blank + 1;
    } while (position <= paragraph.size());
    lines.push_back(std::move(line));
}

} // namespace

bool TextBlock::editParameters(ParameterDialogs &dialogs)
{
    return runParameterDialog(dialogs, &ParameterDialogs::textBoxEditor, *this);
}

// The frame is drawn dotted while the block is selected or shows no text, so that an empty
// block can still be found on the sheet. The text is drawn as rich text where the surface can,
// as its plain text otherwise.
void TextBlock::paint(DrawSurface &surface) const
{
    const std::string plain = rtfPlainText(m_text);
    const Rect box = rect();
    if (isSelected() || plain.find_first_not_of(" \t\n") == std::string::npos) {
        surface.setPen(bodyPen(ColorRole::Component, PenStyle::Dot));
        surface.drawRect(box);
    }
    const Rect inner{SheetGeometry::saturate(std::int64_t{box.left} + margin),
                     SheetGeometry::saturate(std::int64_t{box.top} + margin),
                     SheetGeometry::saturate(std::int64_t{box.right} - margin),
                     SheetGeometry::saturate(std::int64_t{box.bottom} - margin)};
    if (!surface.drawRichText(inner, m_text, roleColor(ColorRole::Font)))
        paintPlainText(surface, plain);
}

void TextBlock::paintPlainText(DrawSurface &surface, const std::string &plain) const
{
    const Rect box = rect();
    const int width = static_cast<int>(std::int64_t{box.right} - box.left) - 2 * margin;
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= plain.size()) {
        const std::size_t end = std::min(plain.find('\n', start), plain.size());
        std::string paragraph = plain.substr(start, end - start);
        for (char &c : paragraph) {
            if (c == '\t')
                c = ' ';
        }
        wrapParagraph(surface, paragraph, width, lines);
        start = end + 1;
    }
    surface.setTextColor(roleColor(ColorRole::Font));
    const int lineHeight = surface.textMetrics().height;
    std::int64_t top = std::int64_t{box.top} + margin;
    for (const std::string &line : lines) {
        if (top + lineHeight > std::int64_t{box.bottom} - margin)
            break;
        if (!line.empty())
            surface.drawText({SheetGeometry::saturate(std::int64_t{box.left} + margin),
                              static_cast<std::int32_t>(top)},
                             line, TextHAlign::Left, TextVAlign::Top);
        top += lineHeight;
    }
}

void TextBlock::write(opstream &os) const
{
    os.writeBaseOf<CircTool>(*this);
    os.writeWord32(static_cast<std::uint32_t>(m_text.size()));
    os.writeBytes(m_text.data(), m_text.size());
}

void TextBlock::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<CircTool>(*this);
    const std::uint32_t length = is.readWord32();
    const std::vector<std::uint8_t> bytes = is.readBytes(length);
    m_text.assign(bytes.begin(), bytes.end());
}
