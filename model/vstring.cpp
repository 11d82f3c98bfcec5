#include "vstring.h"

#include <common/ipstream.h>
#include <common/opstream.h>

void VString::write(opstream &os) const
{
    os.writeWord32(static_cast<std::uint32_t>(m_text.size()));
    os.writeString(m_text);
}

void VString::read(ipstream &is, std::uint32_t)
{
    const std::uint32_t length = is.readWord32();
    std::string text = is.readString();
    // The length word repeats the string's own length; a record where they differ is damaged.
    if (is.good() && text.size() != length) {
        is.fail("text length " + std::to_string(length) + " does not match the text");
        return;
    }
    m_text = text.substr(0, text.find('\0'));
}
