#pragma once

#include <common/drawsurface.h>
#include <common/geometry.h>
#include <model/fwd.h>
#include <model/thinglists.h>

#include <cstdint>

// One change that the user makes to a circuit: it records what it changes, performs the
// change, and can take it back and perform it again. List A holds the things the action adds
// or acts on, list B the things it takes out of the document. An entry owns its thing exactly
// while the thing is out of the document; whenever the action puts a thing into the document
// the document's list takes over, and whenever it takes one out the entry takes it back. So
// destroying an action destroys precisely the things that are out of the document then.
class EditAction
{
public:
    EditAction(const EditAction &) = delete;
    EditAction &operator=(const EditAction &) = delete;
    virtual ~EditAction();

    // Records the drag from start to end and draws the outline of the things at their
    // would-be place (the base draws list A shifted by the drag).
    virtual void track(DrawSurface &surface, Point start, Point end);
    // Whether performing would change anything; the base asks for a drag and a thing to drag.
    virtual bool hasEffect() const;
    virtual void perform() = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;
    // The text of the Undo and Redo menu items.
    virtual const char *name() const { return "EditAction"; }

    bool isDone() const { return m_done; }
    Point startPoint() const { return m_start; }
    Point endPoint() const { return m_end; }
    TCircuitDocument &document() const { return m_document; }
    const ThingLists &added() const { return m_added; }
    const ThingLists &removed() const { return m_removed; }
    // Whether every thing the action refers to without owning it is in the document. An action
    // made before the document changed under it does not fit and must not be performed.
    bool fitsDocument() const;

protected:
    explicit EditAction(TCircuitDocument &document);

    void setPoints(Point start, Point end);
    // The drag from the start to the end point.
    std::int32_t dragX() const;
    std::int32_t dragY() const;
    // Sets the pen and brush of drag outlines.
    static void beginOutline(DrawSurface &surface);
    // Draws every thing of list A shifted by the drag.
    void drawShiftedOutlines(DrawSurface &surface) const;

    // Hands every owned thing of the lists to the document.
    void putIntoDocument(ThingLists &lists);
    // Takes every thing of the lists that the document holds out of it; the lists own them.
    void takeOutOfDocument(ThingLists &lists);
    // Puts list A into the document and takes list B out, or the other way round.
    void applyLists();
    void revertLists();
    // Takes one thing out of the document into list B, which owns it from then on.
    void takeIntoRemoved(Component &component);
    void takeIntoRemoved(CircTag &tag);
    // Takes every component or tag that lies on the place of a component or tag of list A out
    // of the document into list B. Things of list A are never taken: the action places them
    // itself, and things that move together stay together.
    void takeOutWhatListALandsOn();
    // Ends a perform, undo or redo: with a selection, every thing of the document is deselected
    // and the selection's things are selected; then the document is marked modified, its
    // compile results are dropped and its views are told.
    void finishChange(const ThingLists *selection);

    bool m_done = false;
    Point m_start;
    Point m_end;
    ThingLists m_added;
    ThingLists m_removed;

private:
    TCircuitDocument &m_document;
};
