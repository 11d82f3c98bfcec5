// The document's side of editing: the history, and the same-place search of the edit actions.

#include "tcircuitdocument.h"

#include <model/editaction.h>

namespace {

bool samePlace(const CircThing &a, const CircThing &b)
{
    return a.firstPoint() == b.firstPoint() && a.secondPoint() == b.secondPoint();
}

bool samePlaceEitherWay(const CircThing &a, const CircThing &b)
{
    return samePlace(a, b)
           || (a.firstPoint() == b.secondPoint() && a.secondPoint() == b.firstPoint());
}

template<typename T, typename Same>
std::vector<T *> othersOnPlace(const MPtrArray<T> &list, const T &thing, Same same)
{
    std::vector<T *> found;
    for (T *other : list) {
        if (other != &thing && same(*other, thing))
            found.push_back(other);
    }
    return found;
}

} // namespace

std::vector<Component *> TCircuitDocument::componentsOnPlaceOf(const Component &component) const
{
    return othersOnPlace(m_components, component, samePlaceEitherWay);
}

std::vector<CircTag *> TCircuitDocument::tagsOnPlaceOf(const CircTag &tag) const
{
    return othersOnPlace(m_tags, tag, samePlace);
}

void TCircuitDocument::circuitEdited()
{
    discardResults();
    m_modified = true;
    notifyListeners(DocumentNotification::CircuitChanged);
}

// A closed document opens before the history is touched, since opening clears the history and
// must not destroy an action while it runs.
bool TCircuitDocument::record(std::unique_ptr<EditAction> action)
{
    ensureOpen();
    return m_history.record(std::move(action));
}

bool TCircuitDocument::undo()
{
    ensureOpen();
    if (!m_history.undo())
        return false;
    if (m_history.position() == 0)
        m_modified = m_changedOutsideHistory;
    return true;
}

bool TCircuitDocument::redo()
{
    ensureOpen();
    return m_history.redo();
}
