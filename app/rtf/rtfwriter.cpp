#include "rtfwriter.h"

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// The character attributes that the writer carries, resolved against the document's default
// font; fonts and colours are indexes of the tables, in the order of first use.
struct CharAttributes
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = 0;
    int halfPoints = 24;
    int colour = 0;

    bool operator==(const CharAttributes &) const = default;
};

class DocumentWriter
{
public:
    explicit DocumentWriter(const QTextDocument &document)
        : m_document(document)
    {
    }

    std::string run()
    {
        std::string body;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
            writeBlock(block, body);
        std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
        writeFontTable(out);
        writeColourTable(out);
        out += '\n';
        out += body;
        out += "}\n";
        return out;
    }

private:
    void writeBlock(const QTextBlock &block, std::string &out)
    {
        out += "\\pard";
        out += alignmentWord(block.blockFormat().alignment());
        m_pendingSpace = true;
        // An empty paragraph keeps its character format, which sets the height of its line.
        if (block.length() == 1)
            writeChanges(attributesOf(block.charFormat()), out);
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (!piece.isValid())
                continue;
            writeChanges(attributesOf(piece.charFormat()), out);
            writeText(piece.text(), out);
        }
        out += "\\par\n";
    }

    static const char *alignmentWord(Qt::Alignment alignment)
    {
        const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
        if (horizontal & Qt::AlignHCenter)
            return "\\qc";
        if (horizontal & Qt::AlignRight)
            return "\\qr";
        if (horizontal & Qt::AlignJustify)
            return "\\qj";
        return "\\ql";
    }

    CharAttributes attributesOf(const QTextCharFormat &format)
    {
        const QFont font = format.font().resolve(m_document.defaultFont());
        CharAttributes attributes;
        attributes.bold = font.weight() >= QFont::DemiBold;
        attributes.italic = font.italic();
        attributes.underline = font.underline();
        attributes.font = indexOf(m_fonts, font.family());
        const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
        attributes.halfPoints = static_cast<int>(std::lround(points * 2));
        if (format.hasProperty(QTextFormat::ForegroundBrush)
            && format.foreground().style() != Qt::NoBrush)
            attributes.colour = colourIndex(format.foreground().color());
        return attributes;
    }

    static int indexOf(QStringList &names, const QString &name)
    {
        qsizetype index = names.indexOf(name);
        if (index < 0) {
            index = names.size();
            names.append(name);
        }
        return static_cast<int>(index);
    }

    // Colour 0 of the table is the automatic colour, so the colours in use start at 1.
    int colourIndex(const QColor &colour)
    {
        const QRgb rgb = colour.rgb();
        qsizetype index = m_colours.indexOf(rgb);
        if (index < 0) {
            index = m_colours.size();
            m_colours.append(rgb);
        }
        return static_cast<int>(index) + 1;
    }

    void writeChanges(const CharAttributes &next, std::string &out)
    {
        const CharAttributes previous = m_current.value_or(
            CharAttributes{!next.bold, !next.italic, !next.underline, next.font + 1,
                           next.halfPoints + 1, next.colour + 1});
        if (next.font != previous.font)
            writeWord(out, "\\f", next.font);
        if (next.halfPoints != previous.halfPoints)
            writeWord(out, "\\fs", next.halfPoints);
        if (next.colour != previous.colour)
            writeWord(out, "\\cf", next.colour);
        if (next.bold != previous.bold)
            writeWord(out, next.bold ? "\\b" : "\\b0");
        if (next.italic != previous.italic)
            writeWord(out, next.italic ? "\\i" : "\\i0");
        if (next.underline != previous.underline)
            writeWord(out, next.underline ? "\\ul" : "\\ulnone");
        m_current = next;
    }

    void writeWord(std::string &out, const char *word, std::optional<int> parameter = {})
    {
        out += word;
        if (parameter)
            out += std::to_string(*parameter);
        m_pendingSpace = true;
    }

    // A control word before text needs the space that ends it.
    void separate(std::string &out)
    {
        if (m_pendingSpace)
            out += ' ';
        m_pendingSpace = false;
    }

    void writeText(const QString &text, std::string &out)
    {
        for (const QChar character : text) {
            const char16_t unit = character.unicode();
            if (unit == '\t') {
                writeWord(out, "\\tab");
            } else if (unit == QChar::LineSeparator) {
                writeWord(out, "\\line");
            } else if (unit == '\\' || unit == '{' || unit == '}') {
                out += '\\';
                out += static_cast<char>(unit);
                m_pendingSpace = false;
            } else if (unit >= 0x20 && unit < 0x7F) {
                separate(out);
                out += static_cast<char>(unit);
            } else if (unit >= 0x20) {
                // "\u" takes a signed 16-bit parameter; "?" is the fallback for older readers.
                out += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + '?';
                m_pendingSpace = false;
            }
        }
    }

    void writeFontTable(std::string &out) const
    {
        out += "{\\fonttbl";
        for (qsizetype index = 0; index < m_fonts.size(); ++index) {
            out += "{\\f" + std::to_string(index) + "\\fnil ";
            writeName(m_fonts[index], out);
            out += ";}";
        }
        out += '}';
    }

    // A name ends at ";", so a ";" of the name itself is written as an escaped byte.
    static void writeName(const QString &name, std::string &out)
    {
        for (const QChar character : name) {
            const char16_t unit = character.unicode();
            if (unit == ';')
                out += "\\'3b";
            else if (unit == '\\' || unit == '{' || unit == '}')
                out += std::string("\\") + static_cast<char>(unit);
            else if (unit >= 0x20 && unit < 0x7F)
                out += static_cast<char>(unit);
            else
                out += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + '?';
        }
    }

    void writeColourTable(std::string &out) const
    {
        if (m_colours.isEmpty())
            return;
        out += "{\\colortbl ;";
        for (const QRgb rgb : m_colours)
            out += "\\red" + std::to_string(qRed(rgb)) + "\\green" + std::to_string(qGreen(rgb))
                   + "\\blue" + std::to_string(qBlue(rgb)) + ';';
        out += '}';
    }

    const QTextDocument &m_document;
    QStringList m_fonts;
    QList<QRgb> m_colours;
    std::optional<CharAttributes> m_current;
    bool m_pendingSpace = false;
};

} // namespace

std::string RtfWriter::write(const QTextDocument &document)
{
    return DocumentWriter(document).run();
}
