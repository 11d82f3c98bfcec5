#include "namesidedialogdata.h"

#include <model/circthing.h>

NameSideDialogData NameSideDialogData::from(const CircThing &thing)
{
    return {std::string(thing.name().view()), thing.labelSide()};
}

void NameSideDialogData::applyTo(CircThing &thing) const
{
    labelUnit entered(name);
    entered.normalize();
    thing.setName(entered);
    thing.setLabelSide(labelSide);
}
