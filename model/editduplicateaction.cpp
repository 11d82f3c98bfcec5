#include "editduplicateaction.h"

#include <model/clipboardrecord.h>

namespace {

// A record this program has just written reads back whole; should a thing's class not be
// readable, the copy holds nothing and the action has no effect.
ThingLists copiesOfSelection(const TCircuitDocument &document)
{
    ThingLists copies;
    (void)ClipboardRecord::read(ClipboardRecord::writeSelected(document), copies);
    return copies;
}

} // namespace

EditDuplicateAction::EditDuplicateAction(TCircuitDocument &document)
    : EditPasteAction(document, copiesOfSelection(document))
{
    m_added.forEach([](CircThing &thing) { thing.setSelected(false); });
}
