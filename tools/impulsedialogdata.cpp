#include "impulsedialogdata.h"

#include <tools/graph/dialogtext.h>
#include <tools/impulse.h>

ImpulseDialogData ImpulseDialogData::from(const Impulse &impulse)
{
    return {DialogText::number(impulse.startTime()), DialogText::number(impulse.magnitude())};
}

void ImpulseDialogData::applyTo(Impulse &impulse) const
{
    impulse.setStart(DialogText::readNumber(start));
    impulse.setMagnitude(DialogText::readNumber(magnitude));
}
