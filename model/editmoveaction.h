#pragma once

#include <model/editaction.h>

#include <cstdint>

// Drags things by the distance from the start to the end point. Components and tags that the
// moved things land on exactly are taken out of the document.
class EditMoveAction : public EditAction
{
public:
    // Acts on the selection when a selected thing is hit at the point, otherwise on every thing
    // hit there.
    EditMoveAction(TCircuitDocument &document, Point at);

    void perform() override;
    void undo() override;
    void redo() override;
    const char *name() const override { return "Move"; }

private:
    void shiftAll(std::int64_t dx, std::int64_t dy);
};
