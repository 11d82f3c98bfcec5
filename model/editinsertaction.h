#pragma once

#include <model/editaction.h>

#include <memory>

// Places a new thing from the start to the end point of the drag. A component or tag that lies
// on the same place is taken out of the document; a tool opens its parameter dialog when it is
// first placed.
class EditInsertAction : public EditAction
{
public:
    // The action owns the thing until it goes into the document. The dialogs serve the first
    // perform only and are not kept beyond it.
    EditInsertAction(TCircuitDocument &document, std::unique_ptr<CircThing> thing,
                     ParameterDialogs &dialogs);

    // Draws the thing's outline between the two points.
    void track(DrawSurface &surface, Point start, Point end) override;
    void perform() override;
    void undo() override;
    void redo() override;
    const char *name() const override { return "Insert"; }

protected:
    // For the paste action, whose things come placed already.
    explicit EditInsertAction(TCircuitDocument &document);

    // Brings the things of list A to their place before they go into the document.
    virtual void arrange();

private:
    ParameterDialogs *m_dialogs = nullptr;
};
