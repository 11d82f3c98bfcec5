#include "capacitor.h"

#include <common/ipstream.h>
#include <common/opstream.h>

namespace {

constexpr double plateGap = 6;
constexpr double plateHalfWidth = 12;

} // namespace

// 1 / (C s).
TransRatioFunc Capacitor::impedance() const
{
    return TransRatioFunc(TransPolynom{transDouble::one()},
                          TransPolynom{transDouble::zero(), exactScaledValue()});
}

void Capacitor::drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const
{
    const double gap = frame.fittedBody(plateGap);
    frame.drawLeads(surface, gap);
    for (const double along : {-gap / 2, gap / 2})
        surface.drawLine(frame.at(along, -plateHalfWidth), frame.at(along, plateHalfWidth));
}

ZENODYNE_BASE_RECORD(Capacitor, PassComp)
