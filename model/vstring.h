#pragma once

#include <common/tstreamablebase.h>

#include <cstddef>
#include <string>
#include <string_view>

// Free text of any length: output equations, messages.
class VString : public TStreamableBase
{
    ZENODYNE_STREAMABLE(VString, 1)

public:
    VString() = default;
    VString(std::string_view text)
        : m_text(text)
    {
    }
    VString &operator=(std::string_view text)
    {
        m_text.assign(text);
        return *this;
    }

    const char *text() const { return m_text.c_str(); }
    std::string_view view() const { return m_text; }
    std::size_t length() const { return m_text.size(); }

    bool operator==(const VString &other) const { return m_text == other.m_text; }
    bool operator==(std::string_view text) const { return m_text == text; }

private:
    std::string m_text;
};
