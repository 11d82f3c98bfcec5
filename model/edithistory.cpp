#include "edithistory.h"

#include <model/editaction.h>

EditHistory::EditHistory() = default;

EditHistory::~EditHistory() = default;

bool EditHistory::record(std::unique_ptr<EditAction> action)
{
    if (!action || !action->hasEffect() || !action->fitsDocument())
        return false;
    m_entries.erase(m_entries.begin() + m_position, m_entries.end());
    m_entries.push_back(std::move(action));
    m_position = count();
    m_entries.back()->perform();
    return true;
}

bool EditHistory::undo()
{
    if (m_position == 0)
        return false;
    --m_position;
    m_entries[m_position]->undo();
    return true;
}

bool EditHistory::redo()
{
    if (m_position >= count())
        return false;
    m_entries[m_position]->redo();
    ++m_position;
    return true;
}

std::optional<std::string_view> EditHistory::undoName() const
{
    if (m_position == 0)
        return std::nullopt;
    return m_entries[m_position - 1]->name();
}

std::optional<std::string_view> EditHistory::redoName() const
{
    if (m_position >= count())
        return std::nullopt;
    return m_entries[m_position]->name();
}

void EditHistory::clear()
{
    m_entries.clear();
    m_position = 0;
}

void EditHistory::trim()
{
    m_entries.erase(m_entries.begin(), m_entries.begin() + m_position);
    m_position = 0;
}
