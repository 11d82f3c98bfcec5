#pragma once

#include <model/editaction.h>

// Changes the parameters of the selected things. Each is copied through its record and the
// copy's parameter dialog opens; a confirmed copy replaces its original in the document, a
// cancelled one is dropped. List A holds the copies, list B the originals.
class EditModificationAction : public EditAction
{
public:
    // Opens the dialogs at once, one selected thing after the other.
    EditModificationAction(TCircuitDocument &document, ParameterDialogs &dialogs);

    bool hasEffect() const override { return !m_added.isEmpty(); }
    void perform() override;
    // Puts the originals back and selects them.
    void undo() override;
    void redo() override { perform(); }
    const char *name() const override { return "Modification"; }
};
