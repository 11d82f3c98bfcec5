#include "curveclipper.h"

#include <algorithm>
#include <cmath>

CurveClipper::CurveClipper(DrawSurface &surface, double left, double top, double right,
                           double bottom)
    : m_surface(surface)
    , m_left(left)
    , m_top(top)
    , m_right(right)
    , m_bottom(bottom)
{
}

void CurveClipper::add(double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y)) {
        lift();
        return;
    }
    if (!m_hasPrevious) {
        m_hasPrevious = true;
        m_previousX = x;
        m_previousY = y;
        if (x >= m_left && x <= m_right && y >= m_top && y <= m_bottom)
            append(x, y);
        return;
    }
    double x0 = m_previousX, y0 = m_previousY, x1 = x, y1 = y;
    m_previousX = x;
    m_previousY = y;
    if (!clip(x0, y0, x1, y1)) {
        finish();
        return;
    }
    const Point start{static_cast<std::int32_t>(std::lround(x0)),
                      static_cast<std::int32_t>(std::lround(y0))};
    if (!m_piece.empty() && !(m_piece.back() == start))
        finish();
    append(x0, y0);
    append(x1, y1);
    if (x1 != x || y1 != y)
        finish(); // the segment leaves the rectangle
}

void CurveClipper::lift()
{
    finish();
    m_hasPrevious = false;
}

void CurveClipper::finish()
{
    if (m_piece.size() >= 2)
        m_surface.drawPolyline(m_piece);
    m_piece.clear();
}

void CurveClipper::append(double x, double y)
{
    const Point p{static_cast<std::int32_t>(std::lround(x)),
                  static_cast<std::int32_t>(std::lround(y))};
    if (m_piece.empty() || !(m_piece.back() == p))
        m_piece.push_back(p);
}

// Liang-Barsky clipping of the segment to the rectangle; false when nothing of it is inside.
bool CurveClipper::clip(double &x0, double &y0, double &x1, double &y1) const
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    double enter = 0.0;
    double leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - m_left, m_right - x0, y0 - m_top, m_bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > leave)
                return false;
            enter = std::max(enter, t);
        } else {
            if (t < enter)
                return false;
            leave = std::min(leave, t);
        }
    }
    const double sx = x0, sy = y0;
    if (leave < 1.0) {
        x1 = sx + leave * dx;
        y1 = sy + leave * dy;
    }
    if (enter > 0.0) {
        x0 = sx + enter * dx;
        y0 = sy + enter * dy;
    }
    return true;
}
