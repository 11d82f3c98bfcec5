#include "voltagetag.h"

#include <model/sheetgeometry.h>
#include <model/symbolframe.h>

#include <common/ipstream.h>
#include <common/opstream.h>

namespace {

// Distance of the signs from the ends, and half their size.
constexpr double signInset = 8;
constexpr std::int32_t signSize = 3;

} // namespace

// A plus sign beside the first point and a minus sign beside the second, off the segment.
void VoltageTag::drawMarker(DrawSurface &surface) const
{
    const SymbolFrame frame(firstPoint(), secondPoint());
    const double end = frame.length() / 2;
    using SheetGeometry::shifted;
    const Point plus = frame.at(-end + signInset, signInset);
    surface.drawLine(shifted(plus, -signSize, 0), shifted(plus, signSize + 1, 0));
    surface.drawLine(shifted(plus, 0, -signSize), shifted(plus, 0, signSize + 1));
    const Point minus = frame.at(end - signInset, signInset);
    surface.drawLine(shifted(minus, -signSize, 0), shifted(minus, signSize + 1, 0));
}

ZENODYNE_BASE_RECORD(VoltageTag, CircTag)
