#include "circuitprinter.h"

#include "qtdrawsurface.h"

#include <editor/imageexport.h>
#include <editor/pagetiling.h>

#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

constexpr qreal sheetUnitsPerInch = 96;

} // namespace

CircuitPrinter::CircuitPrinter(TCircuitDocument &document, const QFont &font)
    : m_document(document)
    , m_font(font)
{
}

PageTiling CircuitPrinter::tiling(QSizeF printable, qreal dotsPerInch) const
{
    const qreal units = sheetUnitsPerInch / dotsPerInch;
    const Size area{static_cast<std::int32_t>(std::floor(printable.width() * units)),
                    static_cast<std::int32_t>(std::floor(printable.height() * units))};
    return PageTiling(m_document, ImageExport(m_document, false).size(), area, m_fitToOnePage);
}

bool CircuitPrinter::print(QPagedPaintDevice &device) const
{
    const qreal dotsPerInch = device.logicalDpiX();
    const PageTiling pages = tiling(QSizeF(device.width(), device.height()), dotsPerInch);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    bool first = true;
    for (const PrintedPage &page : pages.pages()) {
        if (!first && !device.newPage())
            return false;
        first = false;
        paintPage(painter, pages, page, dotsPerInch);
    }
    return painter.end();
}

void CircuitPrinter::paintPage(QPainter &painter, const PageTiling &tiling, const PrintedPage &page,
                               qreal dotsPerInch) const
{
    const qreal pixelsPerUnit = dotsPerInch / sheetUnitsPerInch;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pixelsPerUnit, pixelsPerUnit);
    {
        painter.save();
        painter.scale(page.scale, page.scale);
        painter.translate(-page.area.left, -page.area.top);
        painter.setClipRect(
            QRectF(page.area.left, page.area.top, page.area.width(), page.area.height()));
        QtDrawSurface surface(painter, m_font, 1, QtDrawSurface::Hairlines::PainterUnits);
        ImageExport(m_document, false).draw(surface, true);
        painter.restore();
    }
    QtDrawSurface footer(painter, m_font, 1, QtDrawSurface::Hairlines::PainterUnits);
    tiling.drawFooter(footer, page);
    painter.restore();
}
