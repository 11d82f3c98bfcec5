#pragma once

#include <common/drawsurface.h>

#include <QColor>
#include <QFont>
#include <QFontMetricsF>

class QPainter;

// The drawing surface of the desktop program on a QPainter: one paint path for the editor's
// viewport, PNG images, SVG and PDF files (and later the printer). Coordinates are those of
// the painter, whose transform maps them to the device. Pens of width 0 or 1 are hairlines of
// one device pixel at any zoom; wider pens scale with the painter. Text is drawn in the given
// font, whose pixel size makes its metrics the same on every device.
class QtDrawSurface : public DrawSurface
{
public:
    // What a hairline's width counts: device pixels (the screen and images), or the units of
    // the painter, scaled with it (printers, whose previews replay the drawing at another
    // scale).
    enum class Hairlines { DevicePixels, PainterUnits };

    // Hairlines are hairlineWidth device pixels wide (small pictures want them bolder), or
    // painter units.
    QtDrawSurface(QPainter &painter, const QFont &font, qreal hairlineWidth = 1,
                  Hairlines hairlines = Hairlines::DevicePixels);

    void setPen(const Pen &pen) override;
    void setBrush(const Brush &brush) override;
    void setTextColor(const Color &color) override;

    void drawLine(Point from, Point to) override;
    void drawRect(const Rect &rect) override;
    void drawEllipse(const Rect &bounds) override;
    void drawPolyline(std::span<const Point> points) override;
    void drawText(Point at, std::string_view text, TextHAlign hAlign, TextVAlign vAlign) override;
    // Laid out as on a 96-dpi screen, where a sheet unit is a pixel at zoom 1, so that the text
    // keeps its size against the symbols on every device (window, PNG, SVG, PDF).
    bool drawRichText(const Rect &frame, std::string_view rtf, const Color &color) override;

    Size textExtent(std::string_view text) const override;
    TextMetrics textMetrics() const override;

    static QColor toQColor(const Color &color)
    {
        return QColor(color.red, color.green, color.blue);
    }

private:
    QPainter &m_painter;
    QFont m_font;
    QFontMetricsF m_metrics;
    QColor m_textColor = Qt::black;
    qreal m_hairlineWidth;
    Hairlines m_hairlines;
};
