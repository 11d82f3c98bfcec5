#include "sourcesymbol.h"

#include <model/sheetgeometry.h>

#include <algorithm>
#include <array>

namespace SourceSymbol {

namespace {

// Half the size of a plus or minus sign.
constexpr double signSize = 3;
// Length of the arrow head's sides along and across the arrow.
constexpr double headLength = 5;
constexpr double headWidth = 4;

void drawCircle(DrawSurface &surface, const SymbolFrame &frame, double r)
{
    surface.drawEllipse(SheetGeometry::around(frame.at(0, 0), static_cast<std::int32_t>(r)));
}

void drawDiamond(DrawSurface &surface, const SymbolFrame &frame, double r)
{
    const std::array<Point, 5> diamond
        = {frame.at(-r, 0), frame.at(0, r), frame.at(r, 0), frame.at(0, -r), frame.at(-r, 0)};
    surface.drawPolyline(diamond);
}

// The signs keep the sheet's axes, so that they read as plus and minus in every orientation.
void drawPolarity(DrawSurface &surface, const SymbolFrame &frame, double r)
{
    const Point plus = frame.at(r / 2, 0);
    const Point minus = frame.at(-r / 2, 0);
    const auto s = static_cast<std::int32_t>(signSize);
    using SheetGeometry::shifted;
    surface.drawLine(shifted(plus, -s, 0), shifted(plus, s + 1, 0));
    surface.drawLine(shifted(plus, 0, -s), shifted(plus, 0, s + 1));
    surface.drawLine(shifted(minus, -s, 0), shifted(minus, s + 1, 0));
}

void drawArrow(DrawSurface &surface, const SymbolFrame &frame, double r)
{
    const double tip = r * 0.6;
    surface.drawLine(frame.at(-tip, 0), frame.at(tip, 0));
    const std::array<Point, 3> head = {frame.at(tip - headLength, -headWidth), frame.at(tip, 0),
                                       frame.at(tip - headLength, headWidth)};
    surface.drawPolyline(head);
}

} // namespace

void draw(DrawSurface &surface, const SymbolFrame &frame, Body body, Mark mark)
{
    const double r = std::min(radius, frame.length() / 2);
    frame.drawLeads(surface, 2 * r);
    if (body == Body::Circle)
        drawCircle(surface, frame, r);
    else
        drawDiamond(surface, frame, r);
    if (mark == Mark::Polarity)
        drawPolarity(surface, frame, r);
    else
        drawArrow(surface, frame, r);
}

} // namespace SourceSymbol
