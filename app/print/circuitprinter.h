#pragma once

#include <editor/printedpage.h>

#include <QFont>

class PageTiling;
class QPagedPaintDevice;
class QPainter;
class TCircuitDocument;

// Prints a circuit document through the drawing surface, in the printer colours: the pages as
// its page layout cuts the circuit (or the whole circuit on one page), each with its page
// number in the footer. One sheet unit is 1/96 inch at the fixed scale, as in the PDF image,
// and hairlines are one sheet unit wide (scaled with the page, not device pixels, so that a
// preview shows them as they print).
class CircuitPrinter
{
public:
    CircuitPrinter(TCircuitDocument &document, const QFont &font);

    bool fitsToOnePage() const { return m_fitToOnePage; }
    void setFitToOnePage(bool fit) { m_fitToOnePage = fit; }

    // The pages for a printable area of the given size in device pixels.
    PageTiling tiling(QSizeF printable, qreal dotsPerInch) const;
    // Paints every page on the device (a printer, a preview's pages, a PDF file); false when
    // it cannot be painted on.
    bool print(QPagedPaintDevice &device) const;
    // Paints one page with the origin of the painter at the top-left of the printable area.
    void paintPage(QPainter &painter, const PageTiling &tiling, const PrintedPage &page,
                   qreal dotsPerInch) const;

private:
    TCircuitDocument &m_document;
    QFont m_font;
    bool m_fitToOnePage = false;
};
