#include "message.h"

#include <common/ipstream.h>
#include <common/opstream.h>

void Message::write(opstream &os) const
{
    os.writeObject(m_text);
}

void Message::read(ipstream &is, std::uint32_t)
{
    is.readObject(m_text);
}

std::string formatMessage(std::string_view pattern, std::string_view name)
{
    std::string text(pattern);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}
