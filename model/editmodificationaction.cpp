#include "editmodificationaction.h"

#include <model/modelstreamables.h>
#include <model/tcircuitdocument.h>

#include <common/ipstream.h>
#include <common/opstream.h>

namespace {

// A copy made by writing the thing's record to a memory stream and reading it back; null when
// the record does not read back (a class that is not registered).
std::unique_ptr<CircThing> copyOf(const CircThing &thing)
{
    registerModelStreamables();
    opstream os;
    os.writePointer(&thing);
    ipstream is(os.takeBytes());
    return is.readOwnedPointer<CircThing>();
}

} // namespace

EditModificationAction::EditModificationAction(TCircuitDocument &document,
                                               ParameterDialogs &dialogs)
    : EditAction(document)
{
    const ThingLists selection
        = ThingLists::matching(document, [](const CircThing &thing) { return thing.isSelected(); });
    selection.forEach([&](CircThing &original) {
        modify(original, [&](CircThing &copy) { return copy.editParameters(dialogs); });
    });
}

EditModificationAction::EditModificationAction(TCircuitDocument &document, CircThing &thing,
                                               const std::function<bool(CircThing &)> &change)
    : EditAction(document)
{
    modify(thing, change);
}

void EditModificationAction::modify(CircThing &original,
                                    const std::function<bool(CircThing &)> &change)
{
    std::unique_ptr<CircThing> copy = copyOf(original);
    if (!copy)
        return;
    copy->setDocument(&document());
    if (!change(*copy))
        return;
    m_removed.add(&original, false);
    m_added.add(std::move(copy));
}

void EditModificationAction::perform()
{
    applyLists();
    m_done = true;
    finishChange(&m_added);
}

void EditModificationAction::undo()
{
    revertLists();
    finishChange(&m_removed);
}
