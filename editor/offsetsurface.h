#pragma once

#include <common/drawsurface.h>

// Draws on another surface with every point shifted so that a given sheet point becomes the
// origin: an exported image starts at the top-left corner of what it shows.
class OffsetSurface : public DrawSurface
{
public:
    OffsetSurface(DrawSurface &target, Point origin);

    void setPen(const Pen &pen) override { m_target.setPen(pen); }
    void setBrush(const Brush &brush) override { m_target.setBrush(brush); }
    void setTextColor(const Color &color) override { m_target.setTextColor(color); }
    void drawLine(Point from, Point to) override;
    void drawRect(const Rect &rect) override;
    void drawEllipse(const Rect &bounds) override;
    void drawPolyline(std::span<const Point> points) override;
    void drawText(Point at, std::string_view text, TextHAlign hAlign, TextVAlign vAlign) override;
    bool drawRichText(const Rect &frame, std::string_view rtf, const Color &color) override
    {
        return m_target.drawRichText(shifted(frame), rtf, color);
    }
    Size textExtent(std::string_view text) const override { return m_target.textExtent(text); }
    TextMetrics textMetrics() const override { return m_target.textMetrics(); }

private:
    Point shifted(Point p) const;
    Rect shifted(const Rect &r) const;

    DrawSurface &m_target;
    Point m_origin;
};
