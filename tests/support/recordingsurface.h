#pragma once

#include <common/drawsurface.h>

#include <string>
#include <vector>

// A drawing surface that records every call as one line of text, for tests that check what
// the paint code draws. Text metrics are fixed: every character is averageCharWidth wide.
class RecordingSurface : public DrawSurface
{
public:
    explicit RecordingSurface(TextMetrics metrics = {16, 13, 3, 8, 400});

    void setPen(const Pen &pen) override;
    void setBrush(const Brush &brush) override;
    void setTextColor(const Color &color) override;
    void drawLine(Point from, Point to) override;
    void drawRect(const Rect &rect) override;
    void drawEllipse(const Rect &bounds) override;
    void drawPolyline(std::span<const Point> points) override;
    void drawText(Point at, std::string_view text, TextHAlign hAlign, TextVAlign vAlign) override;
    Size textExtent(std::string_view text) const override;
    TextMetrics textMetrics() const override { return m_metrics; }

    const std::vector<std::string> &calls() const { return m_calls; }
    // Only the calls that start with the given word, e.g. "text" or "line".
    std::vector<std::string> callsOf(std::string_view kind) const;
    void clear() { m_calls.clear(); }

    Pen pen() const { return m_pen; }

private:
    TextMetrics m_metrics;
    Pen m_pen;
    std::vector<std::string> m_calls;
};
