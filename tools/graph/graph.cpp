#include "graph.h"

#include <tools/graph/curveclipper.h>
#include <tools/graph/plotdata.h>

#include <common/drawcolors.h>
#include <common/numbertext.h>

#include <algorithm>
#include <cmath>

namespace {

// Significant digits of tick labels and marker annotations.
constexpr int labelDigits = 8;

std::int32_t pixel(double v)
{
    return static_cast<std::int32_t>(std::lround(std::clamp(v, -1e9, 1e9)));
}

} // namespace

Graph::Graph(DrawSurface &surface, const Rect &frame, const TGraphParam &params, bool printing)
    : m_surface(surface)
    , m_frame(frame.normalized())
    , m_params(params)
    , m_printing(printing)
{
}

int Graph::addCurve(const MArray<pDataPoint> &points, const TPElemParam &line)
{
    m_curves.push_back({&points, &line});
    return static_cast<int>(m_curves.size()) - 1;
}

int Graph::addCurve(const plotData &curve, const TPElemParam &line)
{
    return addCurve(curve.points(), line);
}

void Graph::setHorizontalRange(double start, double end)
{
    m_start = start;
    m_end = end;
}

// Auto range: the extremes of the finite samples of the curves on the axis.
AxisScale Graph::verticalRange(bool leftAxis, bool autoRange, const textDouble &minimum,
                               const textDouble &maximum) const
{
    if (!autoRange)
        return AxisScale::widened(minimum.value(), maximum.value());
    double low = plotData::emptyMinimum;
    double high = plotData::emptyMaximum;
    bool any = false;
    for (const Curve &curve : m_curves) {
        if (curve.line->leftAxis != leftAxis)
            continue;
        for (const pDataPoint &point : *curve.points) {
            for (const double v : {point.low, point.high}) {
                if (std::isfinite(v)) {
                    low = std::min(low, v);
                    high = std::max(high, v);
                    any = true;
                }
            }
        }
    }
    return any ? AxisScale::widened(low, high) : AxisScale::none();
}

std::vector<std::string> Graph::tickLabels(const AxisScale &scale) const
{
    std::vector<std::string> labels;
    for (const double tick : scale.ticks)
        labels.push_back(formatGeneral(tick, labelDigits));
    return labels;
}

int Graph::widestText(const std::vector<std::string> &texts) const
{
    int widest = 0;
    for (const std::string &text : texts)
        widest = std::max(widest, static_cast<int>(m_surface.textExtent(text).width));
    return widest;
}

void Graph::layout()
{
    const TextMetrics metrics = m_surface.textMetrics();
    m_charHeight = std::max(metrics.height, 1);
    m_charWidth = std::max(metrics.averageCharWidth, 1);
    const TGraphParam &p = m_params;
    m_left = verticalRange(true, p.leftAutoRange, p.leftMinimum, p.leftMaximum);
    m_right = verticalRange(false, p.rightAutoRange, p.rightMinimum, p.rightMaximum);
    m_drawable = m_end > m_start && std::isfinite(m_end - m_start)
                 && !(m_left.isEmpty() && m_right.isEmpty());
    if (!m_drawable)
        return;
    m_horizontal = {m_start, m_end, {}};

    // Title row above the plot; scale labels and the horizontal label below it.
    const int ch = m_charHeight;
    m_plot.top = m_frame.top + ch + ch / 2;
    m_plot.bottom = m_frame.bottom - ch / 2 - (p.horizontalShowScale ? ch : 0)
                    - (p.horizontalLabel.isEmpty() ? 0 : ch);
    const int height = m_plot.bottom - m_plot.top;
    const int maxVerticalTicks = std::max(height, 0) / (2 * ch) + 1;
    m_left.placeLinearTicks(maxVerticalTicks, p.leftAutoRange);
    m_right.placeLinearTicks(maxVerticalTicks, p.rightAutoRange);

    const auto margin = [&](const AxisScale &scale, bool shown) {
        return shown && !scale.isEmpty() ? widestText(tickLabels(scale)) + m_charWidth
                                         : m_charWidth;
    };
    m_plot.left = m_frame.left + margin(m_left, p.leftShowScale);
    m_plot.right = m_frame.right - margin(m_right, p.rightShowScale);
    if (p.linearHorizontalAxis)
        m_horizontal.placeLinearTicks(std::max(m_plot.width(), 0) / (8 * m_charWidth), false);
    else
        m_horizontal.placeDecadeTicks();
    m_drawable = m_plot.width() > 0 && m_plot.height() > 0;
}

bool Graph::drawAxes(std::string_view title)
{
    layout();
    if (!m_drawable)
        return false;
    drawGridLines();
    m_surface.setPen(Pen{mainColor()});
    m_surface.setBrush(Brush{});
    m_surface.drawRect(m_plot);
    drawScales();
    drawLabels(title);
    return true;
}

void Graph::drawGridLines()
{
    const TGraphParam &p = m_params;
    m_surface.setPen(Pen{minorColor()});
    const auto horizontalLines = [&](const AxisScale &scale) {
        for (const double tick : scale.ticks) {
            const std::int32_t y = pixel(yPixel(tick, scale));
            m_surface.drawLine({m_plot.left, y}, {m_plot.right, y});
        }
    };
    if (p.leftShowLines)
        horizontalLines(m_left);
    if (p.rightShowLines)
        horizontalLines(m_right);
    if (!p.horizontalShowLines)
        return;
    const auto verticalLine = [&](double x) {
        const std::int32_t px = pixel(xPixel(x));
        m_surface.drawLine({px, m_plot.top}, {px, m_plot.bottom});
    };
    for (const double tick : m_horizontal.ticks)
        verticalLine(tick);
    if (p.linearHorizontalAxis)
        return;
    // Within each decade, lines at 2 ... 9 times its power of ten.
    m_surface.setPen(Pen{minorColor(), 1, PenStyle::Dot});
    const double first = std::floor(m_start);
    const double last = std::min(std::ceil(m_end), first + 1000);
    for (double decade = first; decade < last; ++decade) {
        for (int m = 2; m <= 9; ++m) {
            const double x = decade + std::log10(static_cast<double>(m));
            if (x > m_start && x < m_end)
                verticalLine(x);
        }
    }
}

void Graph::drawScales()
{
    const TGraphParam &p = m_params;
    const int ch = m_charHeight;
    const int tick = std::max(m_charWidth / 2, 1);
    m_surface.setTextColor(mainColor());
    const auto verticalScale = [&](const AxisScale &scale, bool left) {
        const std::vector<std::string> labels = tickLabels(scale);
        const std::int32_t edge = left ? m_plot.left : m_plot.right;
        const std::int32_t outward = left ? -tick : tick;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const std::int32_t y = pixel(yPixel(scale.ticks[i], scale));
            m_surface.drawLine({edge + outward, y}, {edge, y});
            m_surface.drawText({edge + outward, y - ch / 2}, labels[i],
                               left ? TextHAlign::Right : TextHAlign::Left, TextVAlign::Top);
        }
    };
    if (p.leftShowScale)
        verticalScale(m_left, true);
    if (p.rightShowScale)
        verticalScale(m_right, false);
    if (!p.horizontalShowScale)
        return;
    const std::vector<std::string> labels = tickLabels(m_horizontal);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const std::int32_t x = pixel(xPixel(m_horizontal.ticks[i]));
        m_surface.drawLine({x, m_plot.bottom}, {x, m_plot.bottom + tick});
        m_surface.drawText({x, m_plot.bottom + tick}, labels[i], TextHAlign::Center,
                           TextVAlign::Top);
    }
}

void Graph::drawLabels(std::string_view title)
{
    const TGraphParam &p = m_params;
    m_surface.setTextColor(mainColor());
    m_surface.drawText({(m_frame.left + m_frame.right) / 2, m_frame.top}, title, TextHAlign::Center,
                       TextVAlign::Top);
    if (!p.leftLabel.isEmpty())
        m_surface.drawText({m_frame.left + m_charWidth, m_frame.top}, p.leftLabel.view(),
                           TextHAlign::Left, TextVAlign::Top);
    if (!p.rightLabel.isEmpty())
        m_surface.drawText({m_frame.right - m_charWidth, m_frame.top}, p.rightLabel.view(),
                           TextHAlign::Right, TextVAlign::Top);
    if (!p.horizontalLabel.isEmpty()) {
        const std::int32_t top = m_plot.bottom + std::max(m_charWidth / 2, 1)
                                 + (p.horizontalShowScale ? m_charHeight : 0);
        m_surface.drawText({(m_plot.left + m_plot.right) / 2, top}, p.horizontalLabel.view(),
                           TextHAlign::Center, TextVAlign::Top);
    }
}

const AxisScale &Graph::scaleOf(const TPElemParam &line) const
{
    return line.leftAxis ? m_left : m_right;
}

std::optional<double> Graph::abscissaAt(Point point) const
{
    if (!m_drawable || point.x < m_plot.left || point.x > m_plot.right || point.y < m_plot.top
        || point.y > m_plot.bottom)
        return std::nullopt;
    return m_start + (point.x - m_plot.left) * (m_end - m_start) / m_plot.width();
}

// A value that cannot be drawn (infinite, not a number) lies far outside every plot area.
Point Graph::pixelOf(double x, double value, const TPElemParam &line) const
{
    static constexpr double far = 1e9;
    const auto whole = [](double pixel) {
        return static_cast<std::int32_t>(
            std::lround(std::isnan(pixel) ? far : std::clamp(pixel, -far, far)));
    };
    return {whole(xPixel(x)), whole(yPixel(value, scaleOf(line)))};
}

double Graph::xPixel(double x) const
{
    return m_plot.left + (x - m_start) / (m_end - m_start) * m_plot.width();
}

double Graph::yPixel(double value, const AxisScale &scale) const
{
    return m_plot.bottom - (value - scale.low) / scale.span() * m_plot.height();
}

// Samples are spread evenly over the plot width. A sample whose span is below one pixel is a
// point of the polyline; a wider one is a vertical stroke, entered at the end nearer to the
// previous point so that the strokes join.
void Graph::drawCurve(int index)
{
    if (!m_drawable || index < 0 || index >= static_cast<int>(m_curves.size()))
        return;
    const Curve &curve = m_curves[static_cast<std::size_t>(index)];
    const AxisScale &scale = scaleOf(*curve.line);
    const int count = curve.points->count();
    if (scale.isEmpty() || count == 0)
        return;
    m_surface.setPen(curve.line->pen());
    const double columnWidth = static_cast<double>(m_plot.width()) / count;
    const double onePixel = scale.span() / m_plot.height();
    CurveClipper clipper(m_surface, m_plot.left, m_plot.top, m_plot.right, m_plot.bottom);
    double previousY = 0.0;
    bool hasPrevious = false;
    int i = 0;
    for (const pDataPoint &point : *curve.points) {
        const double x = m_plot.left + i++ * columnWidth;
        if (point.high - point.low < onePixel) {
            previousY = yPixel(point.high, scale);
            clipper.add(x, previousY);
        } else {
            double nearY = yPixel(point.low, scale);
            double farY = yPixel(point.high, scale);
            if (hasPrevious && std::abs(farY - previousY) < std::abs(nearY - previousY))
                std::swap(nearY, farY);
            clipper.add(x, nearY);
            clipper.add(x, farY);
            previousY = farY;
        }
        hasPrevious = std::isfinite(previousY);
    }
}

void Graph::drawMarkers(int index)
{
    if (!m_drawable || index < 0 || index >= static_cast<int>(m_curves.size()))
        return;
    const TPElemParam &line = *m_curves[static_cast<std::size_t>(index)].line;
    const AxisScale &scale = scaleOf(line);
    const int ch = m_charHeight;
    for (const GraphMarker &marker : line.markers) {
        if (!marker.visible || !(marker.x >= m_start && marker.x <= m_end)
            || !(marker.y >= scale.low && marker.y <= scale.high))
            continue;
        const Point at{pixel(xPixel(marker.x)), pixel(yPixel(marker.y, scale))};
        m_surface.setPen(Pen{line.colour});
        m_surface.setBrush(Brush{line.colour, false});
        m_surface.drawRect({at.x - 1, at.y - 1, at.x + 2, at.y + 2});
        if (marker.lineToHorizontalAxis)
            m_surface.drawLine({at.x, m_plot.bottom}, at);
        if (marker.lineToVerticalAxis)
            m_surface.drawLine({m_plot.left, at.y}, at);
        if (!marker.showValue && !marker.showPosition)
            continue;
        const int side = marker.labelSide < 0 ? -1 : 1;
        const int row = std::clamp(marker.labelRow, -1, 1);
        const Point anchor{at.x + side * 2 * ch, at.y + row * ch};
        if (row != 0) {
            const Point bend{at.x + side * ch, anchor.y};
            m_surface.drawLine(at, bend);
            m_surface.drawLine(bend, anchor);
        } else {
            m_surface.drawLine(at, anchor);
        }
        m_surface.setTextColor(line.colour);
        m_surface.drawText({anchor.x, anchor.y - ch / 2}, marker.annotation(),
                           side < 0 ? TextHAlign::Right : TextHAlign::Left, TextVAlign::Top);
    }
    m_surface.setBrush(Brush{});
}

void Graph::drawCurvesAndMarkers()
{
    for (int i = 0; i < static_cast<int>(m_curves.size()); ++i) {
        drawCurve(i);
        drawMarkers(i);
    }
}

Color Graph::mainColor() const
{
    return DrawColors::current().color(ColorRole::GraphMain, m_printing);
}

Color Graph::minorColor() const
{
    return DrawColors::current().color(ColorRole::GraphMinor, m_printing);
}
