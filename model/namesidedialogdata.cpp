#include "namesidedialogdata.h"

#include <model/circthing.h>

NameSideDialogData NameSideDialogData::from(const CircThing &thing)
{
    return {std::string(thing.name().view()), thing.labelSide(), thing.helpTopicTitle()};
}

void NameSideDialogData::applyTo(CircThing &thing) const
{
    labelUnit entered(name);
    entered.normalize();
    thing.setName(entered);
    if (thing.labelSide() == labelSide)
        return;
    // The label point follows from the side: placing again on the same points recomputes it.
    thing.setLabelSide(labelSide);
    thing.place(thing.firstPoint(), thing.secondPoint(), thing.document());
}
