#include "editremoveaction.h"

EditRemoveAction::EditRemoveAction(TCircuitDocument &document)
    : EditAction(document)
{
    m_added
        = ThingLists::matching(document, [](const CircThing &thing) { return thing.isSelected(); });
}

void EditRemoveAction::perform()
{
    takeOutOfDocument(m_added);
    m_done = true;
    finishChange(&m_added);
}

void EditRemoveAction::undo()
{
    putIntoDocument(m_added);
    finishChange(&m_added);
}
