#pragma once

#include <model/ctoolposcache.h>
#include <model/editaction.h>

#include <cstdint>
#include <memory>
#include <vector>

// Drags a node: the terminals of the things that meet at the start point move by the drag, and
// tools with a corner there are reshaped. A component whose terminal would land on its other
// terminal is taken out of the document, and so is every component or tag that a moved one
// lands on exactly.
class EditMoveNodeAction : public EditAction
{
public:
    // Acts on the selected things with a terminal at the node when there are any, otherwise on
    // every thing with a terminal there.
    EditMoveNodeAction(TCircuitDocument &document, Point node);

    // Draws each thing with its terminal at the node dragged.
    void track(DrawSurface &surface, Point start, Point end) override;
    void perform() override;
    void undo() override;
    void redo() override;
    const char *name() const override { return "Move Node"; }

    std::int32_t offsetX() const { return m_dx; }
    std::int32_t offsetY() const { return m_dy; }

private:
    // A reshaped component or tag with its points on the other side of the edit. The points are
    // kept rather than moved back, so that undo restores exactly the terminal that moved.
    struct Reshaped
    {
        CircThing *thing;
        Point first;
        Point second;
    };

    void reshape(CircThing &thing);
    void swapShapes();

    std::int32_t m_dx = 0;
    std::int32_t m_dy = 0;
    std::vector<Reshaped> m_reshaped;
    std::vector<std::unique_ptr<CToolPosCache>> m_toolCaches;
};
