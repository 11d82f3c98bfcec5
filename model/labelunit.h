#pragma once

#include <common/tstreamablebase.h>

#include <cstddef>
#include <string>
#include <string_view>

// A name of at most 63 characters: the name of every thing on the sheet, and the text of a
// number (textDouble). It is a value type; assigning text keeps at most the first 63
// characters and stops at an embedded zero byte.
class labelUnit : public TStreamableBase
{
    ZENODYNE_STREAMABLE(labelUnit, 1)

public:
    static constexpr std::size_t capacity = 63;

    labelUnit() = default;
    labelUnit(std::string_view text) { assign(text); }
    labelUnit &operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    const char *text() const { return m_text.c_str(); }
    std::string_view view() const { return m_text; }
    std::size_t length() const { return m_text.size(); }
    bool isEmpty() const { return m_text.empty(); }

    bool operator==(const labelUnit &other) const { return m_text == other.m_text; }
    bool operator==(std::string_view text) const { return m_text == text; }

    // Trims the label to its name part: leading white space is skipped, then the label becomes
    // the run of letters and digits that follows (empty when there is none).
    void normalize();
    // A valid name is not empty and starts with a letter.
    bool isValidName() const;
    // Normalizes the label, then tests it as a name.
    bool normalizeAndCheckName();
    // True when the text is not empty and starts with a number.
    bool isNumber() const;

protected:
    void assign(std::string_view text);

private:
    std::string m_text;
};
