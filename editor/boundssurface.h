#pragma once

#include <common/drawsurface.h>

#include <optional>

// A drawing surface that draws nothing and collects the rectangle that everything drawn on it
// covers, pen widths included. The editor draws a drag step's outline on it to learn what
// part of the sheet the step changes. Text is measured by another surface when one is given
// (the one that will really draw), otherwise with fixed metrics.
class BoundsSurface : public DrawSurface
{
public:
    explicit BoundsSurface(const DrawSurface *measuring = nullptr);

    void setPen(const Pen &pen) override { m_pen = pen; }
    void setBrush(const Brush &) override {}
    void setTextColor(const Color &) override {}
    void drawLine(Point from, Point to) override;
    void drawRect(const Rect &rect) override;
    void drawEllipse(const Rect &bounds) override;
    void drawPolyline(std::span<const Point> points) override;
    void drawText(Point at, std::string_view text, TextHAlign hAlign, TextVAlign vAlign) override;
    Size textExtent(std::string_view text) const override;
    TextMetrics textMetrics() const override;

    // What was drawn; none when nothing was.
    const std::optional<Rect> &bounds() const { return m_bounds; }

private:
    void cover(const Rect &rect);

    const DrawSurface *m_measuring;
    Pen m_pen;
    std::optional<Rect> m_bounds;
};
