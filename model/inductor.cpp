#include "inductor.h"

#include <common/ipstream.h>
#include <common/opstream.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int turns = 4;
// Each turn is a half circle drawn with this many straight pieces.
constexpr int piecesPerTurn = 6;

} // namespace

// L s / 1.
TransRatioFunc Inductor::impedance() const
{
    return TransRatioFunc(TransPolynom{transDouble::zero(), exactScaledValue()},
                          TransPolynom{transDouble::one()});
}

void Inductor::drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const
{
    const double body = frame.fittedBody(bodyLength);
    frame.drawLeads(surface, body);
    const double radius = body / (2 * turns);
    std::vector<Point> coil;
    coil.reserve(turns * piecesPerTurn + 1);
    coil.push_back(frame.at(-body / 2, 0));
    for (int turn = 0; turn < turns; ++turn) {
        const double centre = -body / 2 + radius * (2 * turn + 1);
        for (int piece = 1; piece <= piecesPerTurn; ++piece) {
            const double angle = std::numbers::pi * piece / piecesPerTurn;
            coil.push_back(frame.at(centre - radius * std::cos(angle), radius * std::sin(angle)));
        }
    }
    surface.drawPolyline(coil);
}

ZENODYNE_BASE_RECORD(Inductor, PassComp)
