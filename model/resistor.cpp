#include "resistor.h"

#include <common/ipstream.h>
#include <common/opstream.h>

#include <array>

namespace {

constexpr int zigzagPeaks = 8;
constexpr double zigzagAmplitude = 8;

} // namespace

TransRatioFunc Resistor::impedance() const
{
    TransRatioFunc ratio;
    ratio.setConstant(exactScaledValue());
    return ratio;
}

void Resistor::drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const
{
    const double body = frame.fittedBody(bodyLength);
    frame.drawLeads(surface, body);
    std::array<Point, zigzagPeaks + 2> zigzag;
    zigzag.front() = frame.at(-body / 2, 0);
    for (int i = 0; i < zigzagPeaks; ++i) {
        const double along = -body / 2 + body * (2 * i + 1) / (2 * zigzagPeaks);
        zigzag[static_cast<std::size_t>(i) + 1]
            = frame.at(along, i % 2 == 0 ? zigzagAmplitude : -zigzagAmplitude);
    }
    zigzag.back() = frame.at(body / 2, 0);
    surface.drawPolyline(zigzag);
}

ZENODYNE_BASE_RECORD(Resistor, PassComp)
