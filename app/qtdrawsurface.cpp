#include "qtdrawsurface.h"

#include "rtf/rtfreader.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QTextDocument>

#include <cmath>

namespace {

Qt::PenStyle toQtStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid:
        return Qt::SolidLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case PenStyle::None:
        break;
    }
    return Qt::NoPen;
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPointF toQPoint(Point point)
{
    return QPointF(point.x, point.y);
}

int rounded(qreal value)
{
    return static_cast<int>(std::lround(value));
}

} // namespace

QtDrawSurface::QtDrawSurface(QPainter &painter, const QFont &font, qreal hairlineWidth,
                             Hairlines hairlines)
    : m_painter(painter)
    , m_font(font)
    , m_metrics(font)
    , m_hairlineWidth(hairlineWidth)
    , m_hairlines(hairlines)
{
    m_painter.setFont(m_font);
}

void QtDrawSurface::setPen(const Pen &pen)
{
    QPen qtPen(toQColor(pen.color));
    qtPen.setStyle(toQtStyle(pen.style));
    if (pen.width <= 1) {
        qtPen.setWidthF(m_hairlineWidth);
        qtPen.setCosmetic(m_hairlines == Hairlines::DevicePixels);
    } else {
        qtPen.setWidth(pen.width);
    }
    qtPen.setCapStyle(Qt::RoundCap);
    qtPen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(qtPen);
}

void QtDrawSurface::setBrush(const Brush &brush)
{
    if (brush.hollow)
        m_painter.setBrush(Qt::NoBrush);
    else
        m_painter.setBrush(toQColor(brush.color));
}

void QtDrawSurface::setTextColor(const Color &color)
{
    m_textColor = toQColor(color);
}

void QtDrawSurface::drawLine(Point from, Point to)
{
    const QPen &pen = m_painter.pen();
    const QTransform transform = m_painter.transform();
    // A horizontal or vertical hairline is put on pixel centres, so that it stays one sharp
    // pixel wide at a zoom that puts it between two.
    if (pen.isCosmetic() && (from.x == to.x || from.y == to.y) && !transform.isRotating()) {
        const auto onPixelCentre = [&](Point point) {
            const QPointF device = transform.map(toQPoint(point));
            return QPointF(std::floor(device.x()) + 0.5, std::floor(device.y()) + 0.5);
        };
        const QPointF deviceFrom = onPixelCentre(from);
        const QPointF deviceTo = onPixelCentre(to);
        m_painter.setTransform(QTransform());
        m_painter.drawLine(deviceFrom, deviceTo);
        m_painter.setTransform(transform);
        return;
    }
    m_painter.drawLine(toQPoint(from), toQPoint(to));
}

void QtDrawSurface::drawRect(const Rect &rect)
{
    const Rect r = rect.normalized();
    m_painter.drawRect(QRectF(r.left, r.top, r.width(), r.height()));
}

void QtDrawSurface::drawEllipse(const Rect &bounds)
{
    const Rect r = bounds.normalized();
    m_painter.drawEllipse(QRectF(r.left, r.top, r.width(), r.height()));
}

void QtDrawSurface::drawPolyline(std::span<const Point> points)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point point : points)
        polygon.append(toQPoint(point));
    m_painter.drawPolyline(polygon);
}

void QtDrawSurface::drawText(Point at, std::string_view text, TextHAlign hAlign, TextVAlign vAlign)
{
    const QString qtText = toQString(text);
    qreal x = at.x;
    const qreal width = m_metrics.horizontalAdvance(qtText);
    if (hAlign == TextHAlign::Center)
        x -= width / 2;
    else if (hAlign == TextHAlign::Right)
        x -= width;
    qreal baseline = at.y;
    if (vAlign == TextVAlign::Top)
        baseline += m_metrics.ascent();
    else if (vAlign == TextVAlign::Bottom)
        baseline -= m_metrics.descent();
    // The text takes its own colour, as on a device context, and leaves the pen as it was.
    const QPen pen = m_painter.pen();
    m_painter.setPen(m_textColor);
    m_painter.drawText(QPointF(x, baseline), qtText);
    m_painter.setPen(pen);
}

bool QtDrawSurface::drawRichText(const Rect &frame, std::string_view rtf, const Color &color)
{
    static QImage screen = [] {
        QImage device(1, 1, QImage::Format_ARGB32);
        constexpr int dotsPerMetreAt96Dpi = 3780;
        device.setDotsPerMeterX(dotsPerMetreAt96Dpi);
        device.setDotsPerMeterY(dotsPerMetreAt96Dpi);
        return device;
    }();
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&screen);
    document.setDocumentMargin(0);
    document.setDefaultFont(m_font);
    RtfReader::read(rtf, document);
    const QRectF clip(0, 0, frame.width(), frame.height());
    document.setTextWidth(clip.width());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, toQColor(color));
    context.clip = clip;
    m_painter.save();
    m_painter.translate(frame.left, frame.top);
    m_painter.setClipRect(clip, Qt::IntersectClip);
    document.documentLayout()->draw(&m_painter, context);
    m_painter.restore();
    return true;
}

Size QtDrawSurface::textExtent(std::string_view text) const
{
    return {rounded(m_metrics.horizontalAdvance(toQString(text))),
            rounded(m_metrics.ascent() + m_metrics.descent())};
}

TextMetrics QtDrawSurface::textMetrics() const
{
    TextMetrics metrics;
    metrics.ascent = rounded(m_metrics.ascent());
    metrics.descent = rounded(m_metrics.descent());
    metrics.height = metrics.ascent + metrics.descent;
    metrics.averageCharWidth = rounded(m_metrics.averageCharWidth());
    metrics.weight = m_font.weight();
    return metrics;
}
