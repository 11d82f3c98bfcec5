#pragma once

#include <model/editpasteaction.h>

// Pastes copies of the selected things, made at creation through the clipboard record. The
// copies start unselected on top of their originals and count only once they have been
// dragged elsewhere.
class EditDuplicateAction : public EditPasteAction
{
public:
    explicit EditDuplicateAction(TCircuitDocument &document);

    bool hasEffect() const override { return EditAction::hasEffect(); }
    const char *name() const override { return "Duplicate"; }
};
