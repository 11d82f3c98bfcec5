#include "rtfplaintext.h"

#include <model/charclass.h>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

// Groups deeper than this share the Unicode fallback length of the deepest tracked group, so
// that a hostile text cannot make the reader's stack grow without bound.
constexpr std::size_t maxTrackedDepth = 256;
// Control words longer than this are cut (the rest is read and dropped).
constexpr std::size_t maxWordLength = 32;

constexpr char32_t replacementCharacter = 0xFFFD;

// Code page 1252 at 0x80..0x9F; the rest of the page equals Unicode.
constexpr std::array<char32_t, 32> cp1252High
    = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

// Destinations whose content is not text of the document.
constexpr std::array<std::string_view, 20> skippedDestinations
    = {"fonttbl",      "colortbl",
       "stylesheet",   "info",
       "pict",         "object",
       "header",       "footer",
       "headerl",      "headerr",
       "footerl",      "footerr",
       "listtable",    "listoverridetable",
       "rsidtbl",      "generator",
       "themedata",    "colorschememapping",
       "latentstyles", "datastore"};

// Control words that stand for a character.
struct SymbolWord
{
    std::string_view word;
    char32_t character;
};

constexpr std::array<SymbolWord, 12> symbolWords = {{{"par", '\n'},
                                                     {"line", '\n'},
                                                     {"sect", '\n'},
                                                     {"page", '\n'},
                                                     {"tab", '\t'},
                                                     {"emdash", 0x2014},
                                                     {"endash", 0x2013},
                                                     {"bullet", 0x2022},
                                                     {"lquote", 0x2018},
                                                     {"rquote", 0x2019},
                                                     {"ldblquote", 0x201C},
                                                     {"rdblquote", 0x201D}}};

void appendUtf8(std::string &out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = replacementCharacter;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

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

class RtfReader
{
public:
    explicit RtfReader(std::string_view rtf)
        : m_in(rtf.substr(0, rtf.find('\0')))
    {
    }

    std::string run()
    {
        while (m_position < m_in.size()) {
            const char c = m_in[m_position++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                readControl();
                break;
            case '\r':
            case '\n':
                break;
            default:
                emitByte(static_cast<unsigned char>(c));
                break;
            }
        }
        return std::move(m_out);
    }

private:
    // The number of characters that stand in for a Unicode character in the current group.
    int &fallbackLength()
    {
        return m_fallbackLengths.empty() ? m_topFallbackLength : m_fallbackLengths.back();
    }

    void openGroup()
    {
        ++m_depth;
        if (m_fallbackLengths.size() < maxTrackedDepth)
            m_fallbackLengths.push_back(fallbackLength());
    }

    void closeGroup()
    {
        if (m_depth == 0)
            return;
        if (m_fallbackLengths.size() == m_depth)
            m_fallbackLengths.pop_back();
        --m_depth;
        if (m_skipFromDepth && m_depth < *m_skipFromDepth)
            m_skipFromDepth.reset();
        m_pendingFallback = 0;
    }

    // Drops the rest of the current group, nested groups included.
    void skipGroup()
    {
        if (!m_skipFromDepth)
            m_skipFromDepth = m_depth;
    }

    void readControl()
    {
        if (m_position >= m_in.size())
            return;
        const char c = m_in[m_position];
        if (CharClass::isLetter(c)) {
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
            emitCharacter(static_cast<unsigned char>(c));
            break;
        case '~':
            emitCharacter(0x00A0);
            break;
        case '_':
            emitCharacter('-');
            break;
        case '*':
            skipGroup();
            break;
        case '\r':
        case '\n':
            emitCharacter('\n');
            break;
        default:
            break;
        }
    }

    void readControlWord()
    {
        std::string word;
        while (m_position < m_in.size() && CharClass::isLetter(m_in[m_position])) {
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
        while (m_position < m_in.size() && CharClass::isDigit(m_in[m_position])) {
            if (parameter < 1000000)
                parameter = parameter * 10 + (m_in[m_position] - '0');
            hasParameter = true;
            ++m_position;
        }
        if (negative)
            parameter = -parameter;
        if (m_position < m_in.size() && m_in[m_position] == ' ')
            ++m_position;
        applyControlWord(word, hasParameter ? parameter : 0, hasParameter);
    }

    void applyControlWord(std::string_view word, std::int64_t parameter, bool hasParameter)
    {
        for (const std::string_view skipped : skippedDestinations) {
            if (word == skipped) {
                skipGroup();
                return;
            }
        }
        for (const auto &[symbolWord, character] : symbolWords) {
            if (word == symbolWord) {
                emitCharacter(character);
                return;
            }
        }
        if (word == "uc" && hasParameter && parameter >= 0 && parameter <= 8)
            fallbackLength() = static_cast<int>(parameter);
        else if (word == "u" && hasParameter)
            emitUnicode(parameter);
    }

    void readHexEscape()
    {
        if (m_position + 2 > m_in.size())
            return;
        const int high = hexValue(m_in[m_position]);
        const int low = hexValue(m_in[m_position + 1]);
        if (high < 0 || low < 0)
            return;
        m_position += 2;
        emitByte(static_cast<unsigned char>(high * 16 + low));
    }

    // A character of the document's code page.
    void emitByte(unsigned char byte)
    {
        if (byte >= 0x80 && byte < 0xA0)
            emitCharacter(cp1252High[byte - 0x80]);
        else
            emitCharacter(byte);
    }

    void emitUnicode(std::int64_t parameter)
    {
        // Parameters are signed 16-bit numbers; a surrogate pair arrives as two of them.
        const std::int64_t value = parameter < 0 ? parameter + 65536 : parameter;
        const char32_t unit
            = value >= 0 && value <= 0xFFFF ? static_cast<char32_t>(value) : replacementCharacter;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            m_highSurrogate = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF && m_highSurrogate != 0) {
            const char32_t combined
                = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
            m_highSurrogate = 0;
            emitCharacter(combined);
        } else {
            emitCharacter(unit);
        }
        m_pendingFallback = fallbackLength();
    }

    void emitCharacter(char32_t c)
    {
        if (m_pendingFallback > 0) {
            --m_pendingFallback;
            return;
        }
        if (m_skipFromDepth)
            return;
        // A high surrogate not followed by its low half stands for nothing readable.
        if (m_highSurrogate != 0) {
            m_highSurrogate = 0;
            appendUtf8(m_out, replacementCharacter);
        }
        appendUtf8(m_out, c);
    }

    std::string_view m_in;
    std::size_t m_position = 0;
    std::string m_out;
    std::size_t m_depth = 0;
    std::optional<std::size_t> m_skipFromDepth;
    int m_topFallbackLength = 1;
    std::vector<int> m_fallbackLengths;
    int m_pendingFallback = 0;
    char32_t m_highSurrogate = 0;
};

} // namespace

std::string rtfPlainText(std::string_view rtf)
{
    return RtfReader(rtf).run();
}
