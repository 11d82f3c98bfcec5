#pragma once

#include <model/editaction.h>

// Takes the selected things out of the document.
class EditRemoveAction : public EditAction
{
public:
    explicit EditRemoveAction(TCircuitDocument &document);

    bool hasEffect() const override { return !m_added.isEmpty(); }
    void perform() override;
    // Puts the things back and selects them.
    void undo() override;
    void redo() override { perform(); }
    const char *name() const override { return "Remove"; }
};
