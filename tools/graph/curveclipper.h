#pragma once

#include <common/drawsurface.h>

#include <vector>

// Draws a polyline given in real coordinates, clipped to a rectangle: the visible pieces go to
// the surface as polylines of whole points. A break (a point that is not finite) ends a piece.
class CurveClipper
{
public:
    CurveClipper(DrawSurface &surface, double left, double top, double right, double bottom);
    ~CurveClipper() { finish(); }
    CurveClipper(const CurveClipper &) = delete;
    CurveClipper &operator=(const CurveClipper &) = delete;

    void add(double x, double y);
    // Ends the current piece; the next point starts a new one.
    void lift();
    // Draws what is pending.
    void finish();

private:
    bool clip(double &x0, double &y0, double &x1, double &y1) const;
    void append(double x, double y);

    DrawSurface &m_surface;
    double m_left, m_top, m_right, m_bottom;
    bool m_hasPrevious = false;
    double m_previousX = 0.0;
    double m_previousY = 0.0;
    std::vector<Point> m_piece;
};
