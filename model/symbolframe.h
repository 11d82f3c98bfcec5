#pragma once

#include <common/drawsurface.h>
#include <common/geometry.h>

// Local coordinates along a thing's segment, for drawing its symbol: "along" runs from the
// midpoint toward the second point, "across" perpendicular to it (a quarter turn clockwise on
// the sheet, whose y axis points down). A segment of length 0 is taken to point down the
// sheet, so that a ground symbol drawn on one point still stands upright.
class SymbolFrame
{
public:
    SymbolFrame(Point from, Point to);

    double length() const { return m_length; }
    Point from() const { return m_from; }
    Point to() const { return m_to; }
    Point at(double along, double across) const;
    // The lines from both ends to a centred body of the given length.
    void drawLeads(DrawSurface &surface, double body) const;
    // The length of a centred body that fits the segment.
    double fittedBody(double wanted) const { return m_length < wanted ? m_length : wanted; }

private:
    Point m_from;
    Point m_to;
    double m_length = 0;
    double m_midX = 0;
    double m_midY = 0;
    double m_ux = 0;
    double m_uy = 1;
};
