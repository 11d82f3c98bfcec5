#include "pagetiling.h"

#include <common/drawcolors.h>
#include <model/sheetgeometry.h>
#include <model/tcircuitdocument.h>

#include <algorithm>

PageTiling::PageTiling(const TCircuitDocument &document, Size picture, Size pageArea,
                       bool fitToOnePage)
    : m_pageArea(pageArea)
    , m_body{std::max(pageArea.width, 1), std::max(pageArea.height - footerHeight, 1)}
{
    if (fitToOnePage) {
        const double across = static_cast<double>(m_body.width) / std::max(picture.width, 1);
        const double down = static_cast<double>(m_body.height) / std::max(picture.height, 1);
        m_pages.push_back({document.startPage(), 0, 0, Rect{0, 0, picture.width, picture.height},
                           std::min(across, down)});
        return;
    }
    const Size count = document.pageCount();
    const std::int32_t columns = std::min(count.width, maxPagesPerSide);
    const std::int32_t rows = std::min(count.height, maxPagesPerSide);
    for (std::int32_t row = 0; row < rows; ++row) {
        for (std::int32_t column = 0; column < columns; ++column) {
            // A number beyond the 32-bit range has no page.
            const std::optional<std::int32_t> number = document.pageNumber(column, row);
            if (!number)
                continue;
            const std::int64_t left = std::int64_t{column} * m_body.width;
            const std::int64_t top = std::int64_t{row} * m_body.height;
            m_pages.push_back({*number, column, row,
                               Rect{SheetGeometry::saturate(left), SheetGeometry::saturate(top),
                                    SheetGeometry::saturate(left + m_body.width),
                                    SheetGeometry::saturate(top + m_body.height)},
                               1});
        }
    }
    std::sort(m_pages.begin(), m_pages.end(),
              [](const PrintedPage &a, const PrintedPage &b) { return a.number < b.number; });
}

void PageTiling::drawFooter(DrawSurface &surface, const PrintedPage &page) const
{
    surface.setTextColor(DrawColors::current().printer(ColorRole::Font));
    surface.drawText(Point{m_pageArea.width / 2, m_pageArea.height}, footerText(page.number),
                     TextHAlign::Center, TextVAlign::Bottom);
}

std::string PageTiling::footerText(std::int32_t number)
{
    return "Page " + std::to_string(number);
}
