#include "boundssurface.h"

#include <model/sheetgeometry.h>

#include <algorithm>
#include <cstddef>

namespace {

constexpr TextMetrics fixedMetrics{16, 13, 3, 8, 400};

} // namespace

BoundsSurface::BoundsSurface(const DrawSurface *measuring)
    : m_measuring(measuring)
{
}

void BoundsSurface::drawLine(Point from, Point to)
{
    const Point points[] = {from, to};
    drawPolyline(points);
}

void BoundsSurface::drawRect(const Rect &rect)
{
    cover(rect);
}

void BoundsSurface::drawEllipse(const Rect &bounds)
{
    cover(bounds);
}

void BoundsSurface::drawPolyline(std::span<const Point> points)
{
    for (const Point p : points)
        cover(Rect{p.x, p.y, p.x, p.y});
}

void BoundsSurface::drawText(Point at, std::string_view text, TextHAlign hAlign, TextVAlign vAlign)
{
    const Size extent = textExtent(text);
    const TextMetrics metrics = textMetrics();
    std::int64_t left = at.x;
    if (hAlign == TextHAlign::Center)
        left -= extent.width / 2;
    else if (hAlign == TextHAlign::Right)
        left -= extent.width;
    std::int64_t top = at.y;
    if (vAlign == TextVAlign::Baseline)
        top -= metrics.ascent;
    else if (vAlign == TextVAlign::Bottom)
        top -= extent.height;
    cover(Rect{SheetGeometry::saturate(left), SheetGeometry::saturate(top),
               SheetGeometry::saturate(left + extent.width),
               SheetGeometry::saturate(top + extent.height)});
}

Size BoundsSurface::textExtent(std::string_view text) const
{
    if (m_measuring)
        return m_measuring->textExtent(text);
    return {static_cast<std::int32_t>(text.size()) * fixedMetrics.averageCharWidth,
            fixedMetrics.height};
}

TextMetrics BoundsSurface::textMetrics() const
{
    return m_measuring ? m_measuring->textMetrics() : fixedMetrics;
}

void BoundsSurface::cover(const Rect &rect)
{
    // A pen of width w reaches w / 2 beyond the geometry; one unit more covers the rounding
    // of an antialiased or zoomed line.
    const Rect inked = SheetGeometry::grown(rect.normalized(), std::max(m_pen.width, 1) / 2 + 1);
    m_bounds = m_bounds ? m_bounds->united(inked) : inked;
}
