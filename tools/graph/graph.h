#pragma once

#include <tools/graph/axisscale.h>
#include <tools/graph/pdatapoint.h>
#include <tools/graph/tgraphparam.h>
#include <tools/graph/tpelemparam.h>

#include <common/drawsurface.h>
#include <common/marray.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class plotData;

// A graph drawn into a rectangle: a title row, a plot area with a left and a right vertical
// axis and a horizontal axis (linear, or in decades), scales, grid lines, labels, the curves
// registered with it and their markers. It is set up for one paint and refers to the curves
// and parameters it is given, which must outlive it.
class Graph
{
public:
    Graph(DrawSurface &surface, const Rect &frame, const TGraphParam &params, bool printing);

    // Registers a curve; answers its index for drawCurve and drawMarkers.
    int addCurve(const MArray<pDataPoint> &points, const TPElemParam &line);
    int addCurve(const plotData &curve, const TPElemParam &line);
    void setHorizontalRange(double start, double end);

    // Lays the graph out and draws axes, grid lines, scales, labels and the title. Answers
    // false, drawing nothing, when the horizontal range or both vertical ranges are empty.
    bool drawAxes(std::string_view title);
    // A curve, scaled on its line's axis and clipped to the plot area, in its line's pen.
    void drawCurve(int index);
    // The visible markers of a curve's line that lie inside the ranges.
    void drawMarkers(int index);
    // Every curve, each followed by its markers.
    void drawCurvesAndMarkers();

    int curveCount() const { return static_cast<int>(m_curves.size()); }
    // The horizontal position at a point of the plot area (its edges included); none outside
    // it or when the graph cannot be drawn (valid once drawAxes has run).
    std::optional<double> abscissaAt(Point point) const;
    // The point at which the graph draws the value at x of a curve on the line's axis (valid
    // once drawAxes has run).
    Point pixelOf(double x, double value, const TPElemParam &line) const;

    // The layout (valid once drawAxes has run).
    const Rect &plotArea() const { return m_plot; }
    const AxisScale &leftScale() const { return m_left; }
    const AxisScale &rightScale() const { return m_right; }
    const AxisScale &horizontalScale() const { return m_horizontal; }

private:
    struct Curve
    {
        const MArray<pDataPoint> *points;
        const TPElemParam *line;
    };

    void layout();
    AxisScale verticalRange(bool leftAxis, bool autoRange, const textDouble &minimum,
                            const textDouble &maximum) const;
    std::vector<std::string> tickLabels(const AxisScale &scale) const;
    int widestText(const std::vector<std::string> &texts) const;
    void drawGridLines();
    void drawScales();
    void drawLabels(std::string_view title);
    const AxisScale &scaleOf(const TPElemParam &line) const;
    double xPixel(double x) const;
    double yPixel(double value, const AxisScale &scale) const;
    Color mainColor() const;
    Color minorColor() const;

    DrawSurface &m_surface;
    Rect m_frame;
    const TGraphParam &m_params;
    bool m_printing;
    std::vector<Curve> m_curves;
    double m_start = 0.0;
    double m_end = 0.0;
    bool m_drawable = false;
    int m_charHeight = 1;
    int m_charWidth = 1;
    Rect m_plot;
    AxisScale m_left = AxisScale::none();
    AxisScale m_right = AxisScale::none();
    AxisScale m_horizontal = AxisScale::none();
};
