#include "wire.h"

#include <common/ipstream.h>
#include <common/opstream.h>

void Wire::drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const
{
    surface.drawLine(frame.from(), frame.to());
}

// A wire's record is the record of a component.
void Wire::write(opstream &os) const
{
    Component::write(os);
}

void Wire::read(ipstream &is, std::uint32_t version)
{
    Component::read(is, version);
}
