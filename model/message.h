#pragma once

#include <common/tstreamablebase.h>
#include <model/vstring.h>

#include <string>
#include <string_view>

// One line of a document's message list: a problem the compile found in the circuit.
class Message : public TStreamableBase
{
    ZENODYNE_STREAMABLE(Message, 1)

public:
    Message() = default;
    explicit Message(std::string_view text)
        : m_text(text)
    {
    }

    const VString &text() const { return m_text; }

private:
    VString m_text;
};

// A message text from a pattern with one "%s" placeholder and the name that fills it.
std::string formatMessage(std::string_view pattern, std::string_view name);
