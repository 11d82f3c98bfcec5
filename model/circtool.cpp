#include "circtool.h"

#include <model/sheetgeometry.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cmath>

void CircTool::place(Point first, Point second, TCircuitDocument *document)
{
    const Rect corners = SheetGeometry::spanned(first, second);
    CircThing::place({corners.left, corners.top}, {corners.right, corners.bottom}, document);
    setLabelPoint(first);
}

void CircTool::move(std::int32_t dx, std::int32_t dy)
{
    const Point label = SheetGeometry::shifted(labelPoint(), dx, dy);
    CircThing::move(dx, dy);
    setLabelPoint(label);
}

// The other tool's corners are in order already, so they are set as they are.
void CircTool::copyPlacement(const CircTool &other)
{
    CircThing::place(other.firstPoint(), other.secondPoint(), document());
    setLabelPoint(other.labelPoint());
}

bool CircTool::editParameters(ParameterDialogs &)
{
    return true;
}

void CircTool::drawSegment(DrawSurface &surface, Point from, Point to) const
{
    surface.drawRect(SheetGeometry::spanned(from, to));
}

void CircTool::draw(DrawSurface &surface) const
{
    surface.setPen(bodyPen(ColorRole::Component));
    surface.setBrush(Brush{});
    paint(surface);
}

bool CircTool::hitAt(Point at) const
{
    return SheetGeometry::contains(rect(), at);
}

void CircTool::attach() {}

std::int64_t CircTool::sampledColumns(std::int64_t unscaled, std::int64_t limit)
{
    m_sampledWidth = rect().width();
    m_sampledScale = m_columnScale;
    const double scaled = std::round(static_cast<double>(unscaled) * m_columnScale);
    return static_cast<std::int64_t>(std::clamp(scaled, 0.0, static_cast<double>(limit)));
}

void CircTool::paint(DrawSurface &surface) const
{
    surface.drawRect(rect());
}

void CircTool::update() {}

bool CircTool::exportData(ParameterDialogs &)
{
    return false;
}

bool CircTool::extendedView(ParameterDialogs &)
{
    return false;
}

void CircTool::fitFrame(const DrawSurface &) {}

bool CircTool::isSignal() const
{
    return false;
}

double CircTool::valueAt(double) const
{
    return 0.0;
}

ZENODYNE_BASE_RECORD(CircTool, CircThing)
