#pragma once

#include <model/fwd.h>
#include <model/labelside.h>

#include <string>

// The name edit and the "Label Position" radio buttons that every parameter dialog has.
struct NameSideDialogData
{
    std::string name;
    LabelSide labelSide = LabelSide::Default;
    // The help topic of the thing, for the dialog's Help button.
    std::string helpTopic;

    static NameSideDialogData from(const CircThing &thing);
    // Stores at most 63 characters of the name, normalized, and the label side.
    void applyTo(CircThing &thing) const;
};
