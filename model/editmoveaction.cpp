#include "editmoveaction.h"

#include <model/sheetgeometry.h>
#include <model/tcircuitdocument.h>

EditMoveAction::EditMoveAction(TCircuitDocument &document, Point at)
    : EditAction(document)
{
    setPoints(at, at);
    const bool selectionHit = document.selectedHitAt(at);
    m_added = ThingLists::matching(document, [&](const CircThing &thing) {
        return selectionHit ? thing.isSelected() : thing.hitAt(at);
    });
}

void EditMoveAction::shiftAll(std::int64_t dx, std::int64_t dy)
{
    m_added.forEach([&](CircThing &thing) {
        thing.move(SheetGeometry::saturate(dx), SheetGeometry::saturate(dy));
    });
}

void EditMoveAction::perform()
{
    shiftAll(dragX(), dragY());
    takeOutWhatListALandsOn();
    m_done = true;
    finishChange(&m_added);
}

void EditMoveAction::undo()
{
    shiftAll(-std::int64_t{dragX()}, -std::int64_t{dragY()});
    putIntoDocument(m_removed);
    finishChange(nullptr);
}

void EditMoveAction::redo()
{
    shiftAll(dragX(), dragY());
    takeOutOfDocument(m_removed);
    finishChange(&m_added);
}
