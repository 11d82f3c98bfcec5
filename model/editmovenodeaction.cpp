#include "editmovenodeaction.h"

#include <model/tcircuitdocument.h>

EditMoveNodeAction::EditMoveNodeAction(TCircuitDocument &document, Point node)
    : EditAction(document)
{
    setPoints(node, node);
    const bool selectionAtNode = document.selectedTerminalAt(node);
    m_added = ThingLists::matching(document, [&](const CircThing &thing) {
        return thing.hasTerminalAt(node) && (thing.isSelected() || !selectionAtNode);
    });
}

void EditMoveNodeAction::track(DrawSurface &surface, Point start, Point end)
{
    setPoints(start, end);
    m_dx = dragX();
    m_dy = dragY();
    beginOutline(surface);
    m_added.forEach(
        [&](const CircThing &thing) { thing.drawTerminalDrag(surface, m_start, m_dx, m_dy); });
}

void EditMoveNodeAction::reshape(CircThing &thing)
{
    m_reshaped.push_back({&thing, thing.firstPoint(), thing.secondPoint()});
    thing.moveTerminal(m_start, m_dx, m_dy);
}

void EditMoveNodeAction::perform()
{
    std::vector<Component *> components;
    for (Component *component : m_added.components())
        components.push_back(component);
    for (Component *component : components) {
        if (component->terminalMoveCollapses(m_start, m_dx, m_dy)) {
            m_added.components().detach(component);
            takeIntoRemoved(*component);
        } else {
            reshape(*component);
        }
    }
    for (CircTag *tag : m_added.tags())
        reshape(*tag);
    for (CircTool *tool : m_added.tools()) {
        m_toolCaches.push_back(std::make_unique<CToolPosCache>(*tool));
        tool->moveTerminal(m_start, m_dx, m_dy);
    }
    takeOutWhatListALandsOn();
    m_done = true;
    finishChange(&m_added);
}

void EditMoveNodeAction::swapShapes()
{
    for (Reshaped &reshaped : m_reshaped) {
        CircThing &thing = *reshaped.thing;
        const Reshaped current{&thing, thing.firstPoint(), thing.secondPoint()};
        thing.place(reshaped.first, reshaped.second, thing.document());
        reshaped = current;
    }
    for (const std::unique_ptr<CToolPosCache> &cache : m_toolCaches)
        cache->swap();
}

void EditMoveNodeAction::undo()
{
    swapShapes();
    putIntoDocument(m_removed);
    finishChange(nullptr);
}

void EditMoveNodeAction::redo()
{
    swapShapes();
    takeOutOfDocument(m_removed);
    finishChange(&m_added);
}
