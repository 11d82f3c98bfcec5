#include "editpasteaction.h"

#include <model/clipboardrecord.h>
#include <model/tcircuitdocument.h>

EditPasteAction::EditPasteAction(TCircuitDocument &document, ThingLists things)
    : EditInsertAction(document)
{
    m_added = std::move(things);
    m_added.forEach([&](CircThing &thing) {
        thing.setDocument(&document);
        thing.setSelected(true);
    });
    const Point corner = m_added.topLeft();
    setPoints(corner, corner);
}

std::unique_ptr<EditPasteAction> EditPasteAction::fromClipboard(TCircuitDocument &document,
                                                                std::span<const std::uint8_t> block)
{
    ThingLists things;
    if (!ClipboardRecord::read(block, things).empty())
        return nullptr;
    return std::make_unique<EditPasteAction>(document, std::move(things));
}

void EditPasteAction::track(DrawSurface &surface, Point, Point end)
{
    m_end = end;
    drawShiftedOutlines(surface);
}

void EditPasteAction::arrange()
{
    const std::int32_t dx = dragX();
    const std::int32_t dy = dragY();
    m_added.forEach([&](CircThing &thing) { thing.move(dx, dy); });
}
