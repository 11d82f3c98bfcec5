#pragma once

#include "printedpage.h"

#include <common/drawsurface.h>
#include <model/fwd.h>

#include <cstdint>
#include <string>
#include <vector>

// How a circuit's picture is cut into printed pages. The page area is the printable part of a
// page in sheet units at the print scale; its bottom strip holds the footer with the page
// number, the rest (the body) shows the picture.
//
// - Tiled: the document's pages wide x pages high tiles of the body's size, from the picture's
//   top-left corner at the fixed scale; what lies beyond the last tile is not printed. The
//   pages come in the order of their numbers, which the document's numbering scheme gives
//   ("Left to right" or "Top to bottom" from the start page). At most maxPagesPerSide pages
//   are printed across and down (the most the "Document Options" accept), whatever a file
//   says.
// - Fit to one page: one page, numbered with the start page, showing the whole picture scaled
//   to fit the body.
class PageTiling
{
public:
    static constexpr std::int32_t footerHeight = 32;
    static constexpr std::int32_t maxPagesPerSide = 20;

    PageTiling(const TCircuitDocument &document, Size picture, Size pageArea, bool fitToOnePage);

    const std::vector<PrintedPage> &pages() const { return m_pages; }
    // The part of the page area above the footer.
    Size body() const { return m_body; }
    // The footer of a page, centred at the bottom of the page area, in the printer's font
    // colour.
    void drawFooter(DrawSurface &surface, const PrintedPage &page) const;

    static std::string footerText(std::int32_t number);

private:
    Size m_pageArea;
    Size m_body;
    std::vector<PrintedPage> m_pages;
};
