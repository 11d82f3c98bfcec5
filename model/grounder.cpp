#include "grounder.h"

#include <common/ipstream.h>
#include <common/opstream.h>

namespace {

// Three bars, shortening away from the circuit.
constexpr double barSpacing = 5;
constexpr double barHalfWidths[] = {12, 8, 4};

} // namespace

void Grounder::drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const
{
    surface.drawLine(frame.from(), frame.to());
    const double end = frame.length() / 2;
    double along = end;
    for (const double halfWidth : barHalfWidths) {
        surface.drawLine(frame.at(along, -halfWidth), frame.at(along, halfWidth));
        along += barSpacing;
    }
}

void Grounder::drawTerminals(DrawSurface &surface) const
{
    drawTerminal(surface, firstPoint());
}

// A ground symbol's record is the record of a component.
void Grounder::write(opstream &os) const
{
    Component::write(os);
}

void Grounder::read(ipstream &is, std::uint32_t version)
{
    Component::read(is, version);
}
