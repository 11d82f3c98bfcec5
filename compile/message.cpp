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
