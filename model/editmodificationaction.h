#pragma once

#include <model/editaction.h>

#include <functional>

// Changes the parameters of the selected things. Each is copied through its record and the
// copy's parameter dialog opens (or a change made in code acts on it); a confirmed copy replaces
// its original in the document, a cancelled one is dropped. List A holds the copies, list B the
// originals.
class EditModificationAction : public EditAction
{
public:
    // Opens the dialogs at once, one selected thing after the other.
    EditModificationAction(TCircuitDocument &document, ParameterDialogs &dialogs);
    // Changes one thing without a dialog: the change gets the thing's copy and answers whether
    // it changed it.
    EditModificationAction(TCircuitDocument &document, CircThing &thing,
                           const std::function<bool(CircThing &copy)> &change);

    bool hasEffect() const override { return !m_added.isEmpty(); }
    void perform() override;
    // Puts the originals back and selects them.
    void undo() override;
    void redo() override { perform(); }
    const char *name() const override { return "Modification"; }

private:
    void modify(CircThing &original, const std::function<bool(CircThing &copy)> &change);
};
