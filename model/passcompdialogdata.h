#pragma once

#include <model/fwd.h>
#include <model/namesidedialogdata.h>
#include <model/unitscale.h>

#include <string>

// "Component Parameters": name, value text, unit drop-down and label position.
struct PassCompDialogData
{
    NameSideDialogData label;
    std::string value;
    // The drop-down's entries: the unit labels of the component's class, with their factors.
    const UnitScale *units = nullptr;
    int unitIndex = 0;

    static PassCompDialogData from(const PassComp &component);
    // The value goes through the number-text assignment: a text that does not start with a
    // number becomes "0".
    void applyTo(PassComp &component) const;
};
