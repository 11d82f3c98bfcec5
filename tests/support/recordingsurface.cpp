#include "recordingsurface.h"

namespace {

std::string colorText(const Color &c)
{
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
}

std::string pointText(Point p)
{
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}

std::string rectText(const Rect &r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ","
           + std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

const char *alignText(TextHAlign h)
{
    switch (h) {
    case TextHAlign::Left:
        return "left";
    case TextHAlign::Center:
        return "center";
    case TextHAlign::Right:
        return "right";
    }
    return "?";
}

const char *alignText(TextVAlign v)
{
    switch (v) {
    case TextVAlign::Top:
        return "top";
    case TextVAlign::Baseline:
        return "baseline";
    case TextVAlign::Bottom:
        return "bottom";
    }
    return "?";
}

} // namespace

RecordingSurface::RecordingSurface(TextMetrics metrics)
    : m_metrics(metrics)
{
}

void RecordingSurface::setPen(const Pen &pen)
{
    m_pen = pen;
    m_calls.push_back("pen " + colorText(pen.color) + " " + std::to_string(pen.width) + " "
                      + std::to_string(static_cast<int>(pen.style)));
}

void RecordingSurface::setBrush(const Brush &brush)
{
    m_calls.push_back("brush " + colorText(brush.color) + (brush.hollow ? " hollow" : " solid"));
}

void RecordingSurface::setTextColor(const Color &color)
{
    m_calls.push_back("textcolor " + colorText(color));
}

void RecordingSurface::drawLine(Point from, Point to)
{
    m_calls.push_back("line " + pointText(from) + " " + pointText(to));
}

void RecordingSurface::drawRect(const Rect &rect)
{
    m_calls.push_back("rect " + rectText(rect));
}

void RecordingSurface::drawEllipse(const Rect &bounds)
{
    m_calls.push_back("ellipse " + rectText(bounds));
}

void RecordingSurface::drawPolyline(std::span<const Point> points)
{
    std::string line = "polyline";
    for (const Point &p : points)
        line += " " + pointText(p);
    m_calls.push_back(line);
}

void RecordingSurface::drawText(Point at, std::string_view text, TextHAlign hAlign,
                                TextVAlign vAlign)
{
    m_calls.push_back("text " + pointText(at) + " " + alignText(hAlign) + " " + alignText(vAlign)
                      + " \"" + std::string(text) + "\"");
}

Size RecordingSurface::textExtent(std::string_view text) const
{
    return {static_cast<std::int32_t>(text.size()) * m_metrics.averageCharWidth, m_metrics.height};
}

std::vector<std::string> RecordingSurface::callsOf(std::string_view kind) const
{
    std::vector<std::string> selected;
    for (const std::string &call : m_calls) {
        if (call.compare(0, kind.size(), kind) == 0
            && (call.size() == kind.size() || call[kind.size()] == ' '))
            selected.push_back(call);
    }
    return selected;
}
