#include "offsetsurface.h"

#include <model/sheetgeometry.h>

#include <cstdint>
#include <vector>

OffsetSurface::OffsetSurface(DrawSurface &target, Point origin)
    : m_target(target)
    , m_origin(origin)
{
}

void OffsetSurface::drawLine(Point from, Point to)
{
    m_target.drawLine(shifted(from), shifted(to));
}

void OffsetSurface::drawRect(const Rect &rect)
{
    m_target.drawRect(shifted(rect));
}

void OffsetSurface::drawEllipse(const Rect &bounds)
{
    m_target.drawEllipse(shifted(bounds));
}

void OffsetSurface::drawPolyline(std::span<const Point> points)
{
    std::vector<Point> moved;
    moved.reserve(points.size());
    for (const Point p : points)
        moved.push_back(shifted(p));
    m_target.drawPolyline(moved);
}

void OffsetSurface::drawText(Point at, std::string_view text, TextHAlign hAlign, TextVAlign vAlign)
{
    m_target.drawText(shifted(at), text, hAlign, vAlign);
}

Point OffsetSurface::shifted(Point p) const
{
    return {SheetGeometry::saturate(std::int64_t{p.x} - m_origin.x),
            SheetGeometry::saturate(std::int64_t{p.y} - m_origin.y)};
}

Rect OffsetSurface::shifted(const Rect &r) const
{
    const Point topLeft = shifted(Point{r.left, r.top});
    const Point bottomRight = shifted(Point{r.right, r.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}
