#include "imageexport.h"

#include "boundssurface.h"
#include "offsetsurface.h"
#include "sheetthings.h"

#include <common/drawcolors.h>
#include <model/sheetgeometry.h>
#include <model/tcircuitdocument.h>

#include <vector>

namespace {

// The things' bounding rectangle, grown to what they cover as drawn: a label or a formula may
// reach beyond it. Texts are measured with fixed metrics, a little wider than the drawing
// font's.
Rect drawnBounds(const TCircuitDocument &document, bool selectedOnly)
{
    BoundsSurface surface;
    forEachSheetThing(document, [&](const CircThing &thing) {
        if (!selectedOnly || thing.isSelected())
            thing.draw(surface);
    });
    const Rect things = document.boundingRect(selectedOnly);
    return surface.bounds() ? things.united(*surface.bounds()) : things;
}

} // namespace

ImageExport::ImageExport(TCircuitDocument &document, bool selectedOnly)
    : m_document(document)
    , m_selectedOnly(selectedOnly)
    , m_empty(selectedOnly ? document.selectedCount() == 0 : document.thingCount() == 0)
    , m_sheetRect(m_empty ? Rect{}
                          : SheetGeometry::grown(drawnBounds(document, selectedOnly), margin))
{
}

Size ImageExport::size() const
{
    return {SheetGeometry::saturate(std::int64_t{m_sheetRect.right} - m_sheetRect.left),
            SheetGeometry::saturate(std::int64_t{m_sheetRect.bottom} - m_sheetRect.top)};
}

void ImageExport::draw(DrawSurface &surface, bool printerColors) const
{
    const Size extent = size();
    const Color background = DrawColors::current().color(ColorRole::Background, printerColors);
    surface.setPen(Pen{background, 1, PenStyle::None});
    surface.setBrush(Brush{background, false});
    surface.drawRect(Rect{0, 0, extent.width, extent.height});
    if (m_empty)
        return;

    // The things draw unselected and in the chosen colour set; both states come back after.
    std::vector<CircThing *> chosen;
    forEachSheetThing(m_document, [&](CircThing &thing) {
        if (!m_selectedOnly || thing.isSelected())
            chosen.push_back(&thing);
    });
    std::vector<CircThing *> selected;
    for (CircThing *thing : chosen) {
        if (thing->isSelected()) {
            selected.push_back(thing);
            thing->setSelected(false);
        }
    }
    const bool wasPrinting = m_document.isPrinting();
    m_document.setPrinting(printerColors);

    OffsetSurface shifted(surface, Point{m_sheetRect.left, m_sheetRect.top});
    for (const CircThing *thing : chosen)
        thing->draw(shifted);

    m_document.setPrinting(wasPrinting);
    for (CircThing *thing : selected)
        thing->setSelected(true);
}
