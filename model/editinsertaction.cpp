#include "editinsertaction.h"

#include <model/tcircuitdocument.h>

EditInsertAction::EditInsertAction(TCircuitDocument &document, std::unique_ptr<CircThing> thing,
                                   ParameterDialogs &dialogs)
    : EditAction(document)
    , m_dialogs(&dialogs)
{
    m_added.add(std::move(thing));
}

EditInsertAction::EditInsertAction(TCircuitDocument &document)
    : EditAction(document)
{
}

void EditInsertAction::track(DrawSurface &surface, Point start, Point end)
{
    setPoints(start, end);
    beginOutline(surface);
    m_added.forEach([&](const CircThing &thing) { thing.drawSegment(surface, start, end); });
}

void EditInsertAction::arrange()
{
    m_added.forEach([&](CircThing &thing) { thing.place(m_start, m_end, &document()); });
}

void EditInsertAction::perform()
{
    arrange();
    takeOutWhatListALandsOn();
    if (m_dialogs) {
        for (CircTool *tool : m_added.tools())
            tool->editParameters(*m_dialogs);
    }
    m_dialogs = nullptr;
    putIntoDocument(m_added);
    m_done = true;
    finishChange(&m_added);
}

void EditInsertAction::undo()
{
    revertLists();
    finishChange(nullptr);
}

void EditInsertAction::redo()
{
    applyLists();
    finishChange(&m_added);
}
