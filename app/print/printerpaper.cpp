#include "printerpaper.h"

#include <QPageLayout>
#include <QPrinter>

#include <array>
#include <cmath>
#include <utility>

namespace {

// The paper codes of the printer settings for the page sizes that have one; any other paper
// is "user defined" and keeps only its length and width.
constexpr std::array<std::pair<QPageSize::PageSizeId, std::int32_t>, 7> paperCodes{{
    {QPageSize::Letter, 1},
    {QPageSize::Legal, 5},
    {QPageSize::Executive, 7},
    {QPageSize::A3, 8},
    {QPageSize::A4, 9},
    {QPageSize::A5, 11},
    {QPageSize::B5, 13},
}};
constexpr std::int32_t userDefinedPaper = 256;
constexpr std::int32_t portrait = 1;
constexpr std::int32_t landscape = 2;

std::int32_t paperCodeFor(QPageSize::PageSizeId id)
{
    for (const auto &[size, code] : paperCodes) {
        if (size == id)
            return code;
    }
    return userDefinedPaper;
}

// The paper of the settings: a known code, else the stored length and width, else Letter.
QPageSize pageSizeFor(const PrinterSettings &settings)
{
    for (const auto &[size, code] : paperCodes) {
        if (code == settings.paperSize)
            return QPageSize(size);
    }
    if (settings.paperWidth > 0 && settings.paperLength > 0)
        return QPageSize(QSizeF(settings.paperWidth / 10.0, settings.paperLength / 10.0),
                         QPageSize::Millimeter);
    return QPageSize(QPageSize::Letter);
}

std::int32_t tenthsOfMillimetre(qreal millimetres)
{
    return static_cast<std::int32_t>(std::lround(millimetres * 10));
}

} // namespace

void PrinterPaper::applyTo(const PrinterSettings &settings, QPrinter &printer)
{
    printer.setPageOrientation(settings.orientation == landscape ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait);
    printer.setPageSize(pageSizeFor(settings));
}

PrinterSettings PrinterPaper::of(const QPageLayout &layout)
{
    PrinterSettings settings;
    settings.orientation = layout.orientation() == QPageLayout::Landscape ? landscape : portrait;
    settings.paperSize = paperCodeFor(layout.pageSize().id());
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    settings.paperLength = tenthsOfMillimetre(paper.height());
    settings.paperWidth = tenthsOfMillimetre(paper.width());
    return settings;
}
