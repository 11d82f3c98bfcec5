#include "editaction.h"

#include <model/sheetgeometry.h>
#include <model/tcircuitdocument.h>

#include <common/drawcolors.h>

namespace {

void appendTo(TCircuitDocument &document, std::unique_ptr<Component> component)
{
    document.appendComponent(std::move(component));
}

void appendTo(TCircuitDocument &document, std::unique_ptr<CircTag> tag)
{
    document.appendTag(std::move(tag));
}

void appendTo(TCircuitDocument &document, std::unique_ptr<CircTool> tool)
{
    document.appendTool(std::move(tool));
}

template<typename T>
void putListIn(TCircuitDocument &document, MPtrArray<T> &list)
{
    for (int i = list.lowerIndex(); i <= list.upperIndex(); ++i) {
        if (!list.owns(i))
            continue;
        list.setOwns(i, false);
        appendTo(document, std::unique_ptr<T>(list[i]));
    }
}

template<typename T>
void takeListOut(TCircuitDocument &document, MPtrArray<T> &list)
{
    for (int i = list.lowerIndex(); i <= list.upperIndex(); ++i) {
        if (list.owns(i))
            continue;
        if (std::unique_ptr<T> owned = document.takeOut(list[i])) {
            owned.release();
            list.setOwns(i, true);
        }
    }
}

template<typename T>
bool unownedAreIn(const MPtrArray<T> &list, const MPtrArray<T> &documentList)
{
    for (int i = list.lowerIndex(); i <= list.upperIndex(); ++i) {
        if (!list.owns(i) && !documentList.contains(list[i]))
            return false;
    }
    return true;
}

bool unownedAreIn(const ThingLists &lists, const TCircuitDocument &document)
{
    return unownedAreIn(lists.components(), document.components())
           && unownedAreIn(lists.tags(), document.tags())
           && unownedAreIn(lists.tools(), document.tools());
}

} // namespace

EditAction::EditAction(TCircuitDocument &document)
    : m_document(document)
{
}

EditAction::~EditAction() = default;

void EditAction::track(DrawSurface &surface, Point start, Point end)
{
    setPoints(start, end);
    drawShiftedOutlines(surface);
}

bool EditAction::hasEffect() const
{
    return m_end != m_start && !m_added.isEmpty();
}

bool EditAction::fitsDocument() const
{
    return unownedAreIn(m_added, m_document) && unownedAreIn(m_removed, m_document);
}

void EditAction::setPoints(Point start, Point end)
{
    m_start = start;
    m_end = end;
}

std::int32_t EditAction::dragX() const
{
    return SheetGeometry::saturate(std::int64_t{m_end.x} - m_start.x);
}

std::int32_t EditAction::dragY() const
{
    return SheetGeometry::saturate(std::int64_t{m_end.y} - m_start.y);
}

void EditAction::beginOutline(DrawSurface &surface)
{
    surface.setPen(Pen{DrawColors::current().screen(ColorRole::Drag)});
    surface.setBrush(Brush{});
}

void EditAction::drawShiftedOutlines(DrawSurface &surface) const
{
    beginOutline(surface);
    m_added.forEach([&](const CircThing &thing) { thing.drawShifted(surface, dragX(), dragY()); });
}

void EditAction::putIntoDocument(ThingLists &lists)
{
    putListIn(m_document, lists.components());
    putListIn(m_document, lists.tags());
    putListIn(m_document, lists.tools());
}

void EditAction::takeOutOfDocument(ThingLists &lists)
{
    takeListOut(m_document, lists.components());
    takeListOut(m_document, lists.tags());
    takeListOut(m_document, lists.tools());
}

void EditAction::applyLists()
{
    putIntoDocument(m_added);
    takeOutOfDocument(m_removed);
}

void EditAction::revertLists()
{
    takeOutOfDocument(m_added);
    putIntoDocument(m_removed);
}

void EditAction::takeIntoRemoved(Component &component)
{
    if (std::unique_ptr<Component> owned = m_document.takeOut(&component))
        m_removed.components().append(std::move(owned));
}

void EditAction::takeIntoRemoved(CircTag &tag)
{
    if (std::unique_ptr<CircTag> owned = m_document.takeOut(&tag))
        m_removed.tags().append(std::move(owned));
}

void EditAction::takeOutWhatListALandsOn()
{
    for (const Component *component : m_added.components()) {
        for (Component *other : m_document.componentsOnPlaceOf(*component)) {
            if (!m_added.contains(other))
                takeIntoRemoved(*other);
        }
    }
    for (const CircTag *tag : m_added.tags()) {
        for (CircTag *other : m_document.tagsOnPlaceOf(*tag)) {
            if (!m_added.contains(other))
                takeIntoRemoved(*other);
        }
    }
}

void EditAction::finishChange(const ThingLists *selection)
{
    if (selection) {
        ThingLists::matching(m_document, [](const CircThing &) {
            return true;
        }).forEach([](CircThing &thing) { thing.setSelected(false); });
        selection->forEach([](CircThing &thing) { thing.setSelected(true); });
    }
    m_document.circuitEdited();
}
