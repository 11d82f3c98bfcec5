#include "currenttag.h"

#include <model/component.h>
#include <model/symbolframe.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <array>

namespace {

// The arrow head's length along the segment and half its width.
constexpr double headLength = 8;
constexpr double headWidth = 5;

} // namespace

// An arrow head at the midpoint, pointing toward the second point.
void CurrentTag::drawMarker(DrawSurface &surface) const
{
    const SymbolFrame frame(firstPoint(), secondPoint());
    const std::array<Point, 3> head
        = {frame.at(-headLength / 2, -headWidth), frame.at(headLength / 2, 0),
           frame.at(-headLength / 2, headWidth)};
    surface.drawPolyline(head);
}

void CurrentTag::check()
{
    CircTag::check();
    if (passComp == nullptr)
        report("Current Tag %s is not associated with a single passive component");
}

bool CurrentTag::measuresShortedComponent() const
{
    return passComp != nullptr && passComp->cp1 == nullptr && passComp->cp2 == nullptr;
}

bool CurrentTag::isDefined() const
{
    return CircTag::isDefined() || measuresShortedComponent();
}

void CurrentTag::write(opstream &os) const
{
    os.writeBaseOf<CircTag>(*this);
}

void CurrentTag::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<CircTag>(*this);
    passComp = nullptr;
}
