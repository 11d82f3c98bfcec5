#pragma once

#include <common/geometry.h>

// How a circuit view shows the sheet: a zoom factor (window pixels per sheet unit) and the
// sheet point at the window's top-left corner (the scroll position). The origin is kept in
// double precision so that zooming around a point keeps that point exactly where it was.
class ViewTransform
{
public:
    static constexpr double minimumZoom = 0.1;
    static constexpr double maximumZoom = 8.0;
    // One Ctrl+= or Ctrl+- step multiplies or divides the zoom by this.
    static constexpr double zoomStep = 1.25;
    // The window pixels left free around the sheet rectangle that a fit shows.
    static constexpr int fitMargin = 20;

    double zoom() const { return m_zoom; }
    double originX() const { return m_originX; }
    double originY() const { return m_originY; }
    // The sheet point at the window's top-left corner, rounded to whole sheet units.
    Point scrollPosition() const;
    void setScrollPosition(Point sheetPoint);
    // Scrolls by a distance in window pixels (a pan moves the sheet with the pointer when the
    // distance is the pointer's movement taken negative).
    void scrollBy(int dx, int dy);

    // The sheet point under a window point, rounded down to whole sheet units.
    Point windowToSheet(Point window) const;
    // The window point of a sheet point, rounded to the nearest pixel.
    Point sheetToWindow(Point sheet) const;
    // The window rectangle that covers a sheet rectangle (edges rounded outward).
    Rect sheetToWindow(const Rect &sheet) const;
    // The sheet rectangle that covers a window rectangle (edges rounded outward).
    Rect windowToSheet(const Rect &window) const;
    // The exact sheet coordinates under a window point.
    double sheetX(double windowX) const { return m_originX + windowX / m_zoom; }
    double sheetY(double windowY) const { return m_originY + windowY / m_zoom; }

    // Sets the zoom (clamped to its range) so that the sheet point under the window point
    // stays under it.
    void setZoomAround(Point window, double zoom);
    void zoomInAround(Point window) { setZoomAround(window, m_zoom * zoomStep); }
    void zoomOutAround(Point window) { setZoomAround(window, m_zoom / zoomStep); }
    // Shows the whole sheet rectangle centred in a window of the given size, as large as the
    // zoom range allows. An empty rectangle resets to zoom 1 at the sheet's origin.
    void fit(const Rect &sheet, Size window);

private:
    double m_zoom = 1.0;
    double m_originX = 0.0;
    double m_originY = 0.0;
};
