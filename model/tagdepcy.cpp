#include "tagdepcy.h"

#include <common/ipstream.h>
#include <common/opstream.h>

void TagDepcy::write(opstream &os) const
{
    os.writeBool32(m_selected);
    os.writeObject(m_tagName);
}

void TagDepcy::read(ipstream &is, std::uint32_t)
{
    m_selected = is.readBool32();
    is.readObject(m_tagName);
}
