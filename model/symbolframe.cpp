#include "symbolframe.h"

#include <model/sheetgeometry.h>

#include <cmath>

SymbolFrame::SymbolFrame(Point from, Point to)
    : m_from(from)
    , m_to(to)
    , m_length(std::sqrt(SheetGeometry::squaredDistance(from, to)))
    , m_midX((static_cast<double>(from.x) + to.x) / 2)
    , m_midY((static_cast<double>(from.y) + to.y) / 2)
{
    if (m_length > 0) {
        m_ux = (static_cast<double>(to.x) - from.x) / m_length;
        m_uy = (static_cast<double>(to.y) - from.y) / m_length;
    }
}

Point SymbolFrame::at(double along, double across) const
{
    const double x = m_midX + along * m_ux - across * m_uy;
    const double y = m_midY + along * m_uy + across * m_ux;
    return {SheetGeometry::saturate(std::round(x)), SheetGeometry::saturate(std::round(y))};
}

void SymbolFrame::drawLeads(DrawSurface &surface, double body) const
{
    surface.drawLine(m_from, at(-body / 2, 0));
    surface.drawLine(at(body / 2, 0), m_to);
}
