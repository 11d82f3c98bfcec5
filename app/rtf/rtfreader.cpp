#include "rtfreader.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Code page 1252 at 0x80..0x9F (0 where the page has no character); the rest equals Unicode.
constexpr std::array<char16_t, 32> cp1252High
    = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Destinations whose content is not text of the document.
constexpr std::array<std::string_view, 22> skippedDestinations = {"stylesheet",
                                                                  "info",
                                                                  "pict",
                                                                  "object",
                                                                  "header",
                                                                  "footer",
                                                                  "headerl",
                                                                  "headerr",
                                                                  "headerf",
                                                                  "footerl",
                                                                  "footerr",
                                                                  "footerf",
                                                                  "footnote",
                                                                  "listtable",
                                                                  "listoverridetable",
                                                                  "rsidtbl",
                                                                  "generator",
                                                                  "themedata",
                                                                  "colorschememapping",
                                                                  "latentstyles",
                                                                  "datastore",
                                                                  "xmlnstbl"};

// Control words that stand for a character.
struct SymbolWord
{
    std::string_view word;
    char16_t character;
};

constexpr std::array<SymbolWord, 10> symbolWords = {{{"line", QChar::LineSeparator},
                                                     {"tab", '\t'},
                                                     {"emdash", 0x2014},
                                                     {"endash", 0x2013},
                                                     {"bullet", 0x2022},
                                                     {"lquote", 0x2018},
                                                     {"rquote", 0x2019},
                                                     {"ldblquote", 0x201C},
                                                     {"rdblquote", 0x201D},
                                                     {"emspace", 0x2003}}};

constexpr std::array<std::string_view, 8> underlineWords
    = {"ul", "ulw", "uld", "uldb", "ulth", "uldash", "ulwave", "ulhwave"};

// Control words longer than this are cut (the rest is read and dropped), parameters are
// clamped to this size.
constexpr std::size_t maxWordLength = 32;
constexpr std::int64_t maxParameter = 1'000'000'000;
// "\fs" in half-points: 1 to 1638 points, the range word processors offer.
constexpr int minHalfPoints = 2;
constexpr int maxHalfPoints = 3276;
constexpr int maxFallbackLength = 16;

enum class Destination { Text, FontTable, ColourTable, Skip };

// The state that a group keeps: "}" returns to the state at its "{".
struct GroupState
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = -1; // -1: the default font of "\deff"
    int halfPoints = 24;
    int colour = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    int fallbackLength = 1;
    Destination destination = Destination::Text;

    void resetCharacter()
    {
        bold = italic = underline = false;
        font = -1;
        halfPoints = 24;
        colour = 0;
    }

    bool sameCharacter(const GroupState &other) const
    {
        return bold == other.bold && italic == other.italic && underline == other.underline
               && font == other.font && halfPoints == other.halfPoints && colour == other.colour;
    }
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

template<std::size_t n>
bool contains(const std::array<std::string_view, n> &words, std::string_view word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

class DocumentReader
{
public:
    DocumentReader(std::string_view rtf, QTextDocument &document)
        : m_in(rtf)
        , m_document(document)
        , m_cursor(&document)
    {
    }

    void run()
    {
        while (m_position < m_in.size()) {
            const char c = m_in[m_position++];
            if (c == '{')
                openGroup();
            else if (c == '}')
                closeGroup();
            else if (m_overflow > 0)
                continue;
            else if (c == '\\')
                readControl();
            else if (c == '\t')
                emitCharacter('\t');
            else if (c != '\r' && c != '\n')
                emitByte(static_cast<unsigned char>(c));
        }
        // A truncated document ends where its text ends.
        if (m_groups.size() > 1)
            finishDocument();
    }

private:
    GroupState &state() { return m_groups.back(); }

    void openGroup()
    {
        if (m_overflow > 0 || static_cast<int>(m_groups.size()) > RtfReader::maxDepth) {
            ++m_overflow;
            return;
        }
        m_groups.push_back(state());
        m_pendingFallback = 0;
    }

    void closeGroup()
    {
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        // The outermost state is the document's own; an extra "}" has nothing to close.
        if (m_groups.size() <= 1)
            return;
        if (state().destination == Destination::FontTable)
            commitFontName();
        // The "}" of the document ends it: what follows is not part of it.
        if (m_groups.size() == 2) {
            finishDocument();
            m_position = m_in.size();
        }
        m_groups.pop_back();
        m_pendingFallback = 0;
    }

    void finishDocument()
    {
        flushRun();
        if (!m_paragraphPending)
            finishParagraph();
    }

    void readControl()
    {
        if (m_position >= m_in.size())
            return;
        const char c = m_in[m_position];
        if (isLetter(c)) {
            readControlWord();
            return;
        }
        ++m_position;
        switch (c) {
        case '\'':
            readHexEscape();
            break;
        case '\\':
        case '{':
        case '}':
            emitCharacter(static_cast<char16_t>(c));
            break;
        case '~':
            emitCharacter(0x00A0);
            break;
        case '_':
            emitCharacter(0x2011);
            break;
        case '*':
            state().destination = Destination::Skip;
            break;
        case '\r':
        case '\n':
            endParagraph();
            break;
        default:
            break;
        }
    }

    void readControlWord()
    {
        std::string word;
        while (m_position < m_in.size() && isLetter(m_in[m_position])) {
            if (word.size() < maxWordLength)
                word += m_in[m_position];
            ++m_position;
        }
        bool negative = false;
        if (m_position < m_in.size() && m_in[m_position] == '-') {
            negative = true;
            ++m_position;
        }
        bool hasParameter = false;
        std::int64_t parameter = 0;
        while (m_position < m_in.size() && isDigit(m_in[m_position])) {
            parameter = std::min(maxParameter, parameter * 10 + (m_in[m_position] - '0'));
            hasParameter = true;
            ++m_position;
        }
        if (negative)
            parameter = -parameter;
        if (m_position < m_in.size() && m_in[m_position] == ' ')
            ++m_position;
        if (word == "bin") {
            // Binary data: its bytes are not RTF, braces included.
            const auto length = static_cast<std::size_t>(std::max<std::int64_t>(parameter, 0));
            m_position += std::min(length, m_in.size() - m_position);
            return;
        }
        if (state().destination != Destination::Skip)
            applyControlWord(word, static_cast<int>(parameter), hasParameter);
    }

    void applyControlWord(std::string_view word, int parameter, bool hasParameter)
    {
        GroupState &current = state();
        const bool on = !hasParameter || parameter != 0;
        if (word == "fonttbl") {
            current.destination = Destination::FontTable;
        } else if (word == "colortbl") {
            current.destination = Destination::ColourTable;
        } else if (contains(skippedDestinations, word)) {
            current.destination = Destination::Skip;
        } else if (word == "uc" && hasParameter) {
            current.fallbackLength = std::clamp(parameter, 0, maxFallbackLength);
        } else if (word == "u" && hasParameter) {
            // Parameters are signed 16-bit numbers; a surrogate pair arrives as two of them.
            const bool inRange = parameter >= -32768 && parameter <= 65535;
            emitCharacter(inRange ? static_cast<char16_t>(parameter)
                                  : char16_t(QChar::ReplacementCharacter));
            m_pendingFallback = current.fallbackLength;
        } else if (current.destination == Destination::FontTable) {
            if (word == "f")
                m_fontEntry = parameter;
        } else if (current.destination == Destination::ColourTable) {
            applyColourWord(word, parameter);
        } else if (word == "par" || word == "sect" || word == "page") {
            endParagraph();
        } else if (word == "pard") {
            current.alignment = Qt::AlignLeft;
        } else if (word == "ql") {
            current.alignment = Qt::AlignLeft;
        } else if (word == "qc") {
            current.alignment = Qt::AlignHCenter;
        } else if (word == "qr") {
            current.alignment = Qt::AlignRight;
        } else if (word == "qj") {
            current.alignment = Qt::AlignJustify;
        } else if (word == "plain") {
            current.resetCharacter();
        } else if (word == "b") {
            current.bold = on;
        } else if (word == "i") {
            current.italic = on;
        } else if (contains(underlineWords, word)) {
            current.underline = on;
        } else if (word == "ulnone") {
            current.underline = false;
        } else if (word == "f" && hasParameter) {
            current.font = parameter;
        } else if (word == "fs" && hasParameter) {
            current.halfPoints = std::clamp(parameter, minHalfPoints, maxHalfPoints);
        } else if (word == "cf" && hasParameter) {
            current.colour = parameter;
        } else if (word == "deff" && hasParameter) {
            m_defaultFont = parameter;
        } else {
            for (const auto &[symbolWord, character] : symbolWords) {
                if (word == symbolWord)
                    emitCharacter(character);
            }
        }
    }

    void applyColourWord(std::string_view word, int parameter)
    {
        const int component = std::clamp(parameter, 0, 255);
        if (word == "red")
            m_colourEntry.setRed(component);
        else if (word == "green")
            m_colourEntry.setGreen(component);
        else if (word == "blue")
            m_colourEntry.setBlue(component);
        else
            return;
        m_colourEntrySet = true;
    }

    void readHexEscape()
    {
        if (m_position + 2 > m_in.size()) {
            m_position = m_in.size();
            return;
        }
        const int high = hexValue(m_in[m_position]);
        const int low = hexValue(m_in[m_position + 1]);
        if (high < 0 || low < 0)
            return;
        m_position += 2;
        emitByte(static_cast<unsigned char>(high * 16 + low), true);
    }

    // A character of the document's code page; an unescaped ";" ends an entry of a table.
    void emitByte(unsigned char byte, bool escaped = false)
    {
        if (!escaped && byte == ';' && m_pendingFallback == 0) {
            if (state().destination == Destination::FontTable) {
                commitFontName();
                return;
            }
            if (state().destination == Destination::ColourTable) {
                commitColour();
                return;
            }
        }
        if (byte >= 0x80 && byte < 0xA0) {
            const char16_t character = cp1252High[byte - 0x80];
            emitCharacter(character != 0 ? character : char16_t(QChar::ReplacementCharacter));
        } else {
            emitCharacter(byte);
        }
    }

    void emitCharacter(char16_t character)
    {
        if (m_pendingFallback > 0) {
            --m_pendingFallback;
            return;
        }
        switch (state().destination) {
        case Destination::Text:
            appendText(character);
            break;
        case Destination::FontTable:
            m_fontName += QChar(character);
            break;
        case Destination::ColourTable:
        case Destination::Skip:
            break;
        }
    }

    void commitFontName()
    {
        const QString name = m_fontName.trimmed();
        m_fontName.clear();
        if (name.isEmpty()
            || (m_fonts.size() >= RtfReader::maxTableEntries && !m_fonts.contains(m_fontEntry)))
            return;
        m_fonts.insert(m_fontEntry, name);
    }

    void commitColour()
    {
        if (m_colours.size() < RtfReader::maxTableEntries)
            m_colours.append(m_colourEntrySet ? m_colourEntry : QColor());
        m_colourEntry = QColor(0, 0, 0);
        m_colourEntrySet = false;
    }

    void appendText(char16_t character)
    {
        if (m_paragraphPending) {
            flushRun();
            m_cursor.insertBlock();
            m_paragraphPending = false;
        }
        if (!m_run.isEmpty() && !m_runState.sameCharacter(state()))
            flushRun();
        if (m_run.isEmpty())
            m_runState = state();
        m_run += QChar(character);
    }

    void flushRun()
    {
        if (m_run.isEmpty())
            return;
        m_cursor.insertText(m_run, formatOf(m_runState));
        m_run.clear();
    }

    QTextCharFormat formatOf(const GroupState &attributes) const
    {
        QTextCharFormat format;
        format.setFontWeight(attributes.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(attributes.italic);
        format.setFontUnderline(attributes.underline);
        const auto font = m_fonts.find(attributes.font >= 0 ? attributes.font : m_defaultFont);
        if (font != m_fonts.end())
            format.setFontFamilies({*font});
        format.setFontPointSize(attributes.halfPoints / 2.0);
        const QColor colour = m_colours.value(attributes.colour);
        if (colour.isValid())
            format.setForeground(colour);
        return format;
    }

    // "\par": the paragraph takes the alignment in force at its end. A paragraph opened by it
    // appears with its first character, so that a final "\par" opens no empty paragraph.
    void endParagraph()
    {
        flushRun();
        if (m_paragraphPending)
            m_cursor.insertBlock();
        finishParagraph();
        m_paragraphPending = true;
    }

    void finishParagraph()
    {
        QTextBlockFormat format = m_cursor.blockFormat();
        format.setAlignment(state().alignment);
        m_cursor.setBlockFormat(format);
        if (m_cursor.block().length() == 1)
            m_cursor.setBlockCharFormat(formatOf(state()));
    }

    std::string_view m_in;
    std::size_t m_position = 0;
    QTextDocument &m_document;
    QTextCursor m_cursor;
    std::vector<GroupState> m_groups{GroupState{}};
    int m_overflow = 0; // groups opened beyond the depth limit, dropped with their content
    int m_pendingFallback = 0;
    int m_defaultFont = 0;
    QMap<int, QString> m_fonts;
    int m_fontEntry = 0;
    QString m_fontName;
    QList<QColor> m_colours;
    QColor m_colourEntry{0, 0, 0};
    bool m_colourEntrySet = false;
    QString m_run;
    GroupState m_runState;
    bool m_paragraphPending = false;
};

bool isRtf(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && text.substr(start, 5) == "{\\rtf";
}

} // namespace

bool RtfReader::read(std::string_view rtf, QTextDocument &document)
{
    if (!isRtf(rtf)) {
        document.setPlainText(QString::fromUtf8(rtf.data(), static_cast<qsizetype>(rtf.size())));
        return false;
    }
    document.clear();
    DocumentReader(rtf, document).run();
    return true;
}
