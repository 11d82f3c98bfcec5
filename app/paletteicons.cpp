#include "paletteicons.h"

#include "qtdrawsurface.h"

#include <editor/paletteentry.h>
#include <model/circthing.h>
#include <model/circtool.h>
#include <model/tcircuitdocument.h>

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QPixmap>

#include <vector>

namespace {

// The icons are drawn at twice their size, so that they stay sharp on a high-density screen.
constexpr int pixelRatio = 2;
constexpr int pixels = PaletteIcons::iconSize * pixelRatio;
constexpr int padding = 2 * pixelRatio;

QPixmap emptyPixmap()
{
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Where a thing lies for its picture: components and tags on a horizontal segment of three
// grid cells, a ground symbol hanging down from its terminal, a text block in a box.
void placeForIcon(CircThing &thing, PaletteEntry entry, TCircuitDocument &document)
{
    if (dynamic_cast<CircTool *>(&thing))
        thing.place({0, 0}, {80, 60}, &document);
    else if (entry == PaletteEntry::Ground)
        thing.place({0, 0}, {0, 40}, &document);
    else if (entry == PaletteEntry::Wire)
        thing.place({0, 0}, {60, 0}, &document);
    else
        thing.place({-30, 0}, {30, 0}, &document);
}

QPixmap thingPixmap(PaletteEntry entry)
{
    std::unique_ptr<CircThing> thing = createPaletteThing(entry);
    TCircuitDocument document;
    document.openNew();
    document.setPrinting(true);
    document.setShowsComponentNames(false);
    document.setShowsComponentValues(false);
    placeForIcon(*thing, entry, document);

    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(12);
    // A first pass measures what the symbol covers; the second draws it to fill the icon.
    QPicture picture;
    {
        QPainter recorder(&picture);
        QtDrawSurface surface(recorder, font);
        thing->draw(surface);
    }
    QPixmap pixmap = emptyPixmap();
    const QRectF drawn = QRectF(picture.boundingRect()).adjusted(-1, -1, 1, 1);
    if (!drawn.isEmpty()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal room = pixels - 2 * padding;
        const qreal scale = room / std::max(drawn.width(), drawn.height());
        painter.translate(pixels / 2.0, pixels / 2.0);
        painter.scale(scale, scale);
        painter.translate(-drawn.center());
        QtDrawSurface surface(painter, font, 1.5 * pixelRatio);
        thing->draw(surface);
    }
    thing->setDocument(nullptr);
    return pixmap;
}

// A new analysis tool has nothing to show yet; its button shows its frame with a sketch of
// what it will show: a formula's fraction, a falling magnitude, a pulse, a step response.
QPixmap toolPixmap(PaletteEntry entry)
{
    QPixmap pixmap = emptyPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixelRatio, pixelRatio);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(8);
    QtDrawSurface surface(painter, font, 1.5 * pixelRatio);
    const Color ink{0, 0, 0};
    surface.setPen(Pen{ink, 1});
    surface.setBrush(Brush{ink, true});
    surface.drawRect(Rect{2, 3, 22, 21});
    std::vector<Point> curve;
    switch (entry) {
    case PaletteEntry::TransferFunction:
        surface.setTextColor(ink);
        surface.drawText({12, 12}, "H", TextHAlign::Center, TextVAlign::Bottom);
        surface.drawLine({6, 12}, {18, 12});
        surface.drawText({12, 13}, "s", TextHAlign::Center, TextVAlign::Top);
        return pixmap;
    case PaletteEntry::BodePlot:
        curve = {{4, 7}, {11, 7}, {14, 9}, {20, 18}};
        break;
    case PaletteEntry::InputSignal:
        curve = {{4, 18}, {8, 18}, {8, 7}, {15, 7}, {15, 18}, {20, 18}};
        break;
    default:
        curve = {{4, 18}, {7, 18}, {9, 10}, {12, 7}, {16, 9}, {20, 9}};
        break;
    }
    surface.drawPolyline(curve);
    return pixmap;
}

bool isAnalysisTool(PaletteEntry entry)
{
    return entry == PaletteEntry::TransferFunction || entry == PaletteEntry::BodePlot
           || entry == PaletteEntry::InputSignal || entry == PaletteEntry::OutputSignal;
}

QPixmap arrowPixmap()
{
    QPixmap pixmap = emptyPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixelRatio, pixelRatio);
    QPainterPath arrow;
    arrow.moveTo(7, 3);
    arrow.lineTo(7, 19);
    arrow.lineTo(11, 15);
    arrow.lineTo(14, 21);
    arrow.lineTo(16.5, 20);
    arrow.lineTo(13.5, 14);
    arrow.lineTo(19, 14);
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    return pixmap;
}

QPixmap solderingIronPixmap()
{
    QPixmap pixmap = emptyPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixelRatio, pixelRatio);
    // The handle, the shaft and the tip, along the diagonal down to the lower left.
    painter.translate(12, 12);
    painter.rotate(45);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(200, 60, 40));
    painter.drawRoundedRect(QRectF(-3, -11, 6, 10), 2, 2);
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRect(QRectF(-1.5, -1, 3, 8));
    QPainterPath tip;
    tip.moveTo(-1.5, 7);
    tip.lineTo(1.5, 7);
    tip.lineTo(0, 12);
    tip.closeSubpath();
    painter.setBrush(Qt::black);
    painter.drawPath(tip);
    return pixmap;
}

} // namespace

QIcon PaletteIcons::iconFor(PaletteEntry entry)
{
    QPixmap pixmap;
    if (entry == PaletteEntry::SelectCursor)
        pixmap = arrowPixmap();
    else if (entry == PaletteEntry::InsertCursor)
        pixmap = solderingIronPixmap();
    else if (isAnalysisTool(entry))
        pixmap = toolPixmap(entry);
    else
        pixmap = thingPixmap(entry);
    pixmap.setDevicePixelRatio(pixelRatio);
    return QIcon(pixmap);
}
