#include "viewtransform.h"

#include <model/sheetgeometry.h>

#include <algorithm>
#include <cmath>

namespace {

std::int32_t floorToInt(double value)
{
    return SheetGeometry::saturate(std::floor(value));
}

std::int32_t ceilToInt(double value)
{
    return SheetGeometry::saturate(std::ceil(value));
}

} // namespace

Point ViewTransform::scrollPosition() const
{
    return {SheetGeometry::saturate(std::round(m_originX)),
            SheetGeometry::saturate(std::round(m_originY))};
}

void ViewTransform::setScrollPosition(Point sheetPoint)
{
    m_originX = sheetPoint.x;
    m_originY = sheetPoint.y;
}

void ViewTransform::scrollBy(int dx, int dy)
{
    m_originX += dx / m_zoom;
    m_originY += dy / m_zoom;
}

Point ViewTransform::windowToSheet(Point window) const
{
    return {floorToInt(sheetX(window.x)), floorToInt(sheetY(window.y))};
}

Point ViewTransform::sheetToWindow(Point sheet) const
{
    return {SheetGeometry::saturate(std::round((sheet.x - m_originX) * m_zoom)),
            SheetGeometry::saturate(std::round((sheet.y - m_originY) * m_zoom))};
}

Rect ViewTransform::sheetToWindow(const Rect &sheet) const
{
    const Rect r = sheet.normalized();
    return {floorToInt((r.left - m_originX) * m_zoom), floorToInt((r.top - m_originY) * m_zoom),
            ceilToInt((r.right - m_originX) * m_zoom), ceilToInt((r.bottom - m_originY) * m_zoom)};
}

Rect ViewTransform::windowToSheet(const Rect &window) const
{
    const Rect r = window.normalized();
    return {floorToInt(sheetX(r.left)), floorToInt(sheetY(r.top)), ceilToInt(sheetX(r.right)),
            ceilToInt(sheetY(r.bottom))};
}

void ViewTransform::setZoomAround(Point window, double zoom)
{
    const double fixedX = sheetX(window.x);
    const double fixedY = sheetY(window.y);
    m_zoom = std::clamp(zoom, minimumZoom, maximumZoom);
    m_originX = fixedX - window.x / m_zoom;
    m_originY = fixedY - window.y / m_zoom;
}

void ViewTransform::fit(const Rect &sheet, Size window)
{
    const Rect r = sheet.normalized();
    // In doubles: the rectangle of a file may span more than the 32-bit range.
    const double width = static_cast<double>(r.right) - r.left;
    const double height = static_cast<double>(r.bottom) - r.top;
    if (width <= 0 || height <= 0 || window.width <= 0 || window.height <= 0) {
        m_zoom = 1.0;
        m_originX = 0.0;
        m_originY = 0.0;
        return;
    }
    const double usableWidth = std::max(window.width - 2 * fitMargin, 1);
    const double usableHeight = std::max(window.height - 2 * fitMargin, 1);
    m_zoom = std::clamp(std::min(usableWidth / width, usableHeight / height), minimumZoom,
                        maximumZoom);
    const double centreX = r.left + width / 2.0;
    const double centreY = r.top + height / 2.0;
    m_originX = centreX - window.width / (2.0 * m_zoom);
    m_originY = centreY - window.height / (2.0 * m_zoom);
}
