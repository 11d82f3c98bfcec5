#include "passcompdialogdata.h"

#include <model/passcomp.h>

PassCompDialogData PassCompDialogData::from(const PassComp &component)
{
    return {NameSideDialogData::from(component), std::string(component.value().view()),
            &component.units(), component.unitIndex()};
}

void PassCompDialogData::applyTo(PassComp &component) const
{
    label.applyTo(component);
    component.setValue(textDouble(value));
    component.setUnitIndex(unitIndex);
}
