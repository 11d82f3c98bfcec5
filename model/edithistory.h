#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class EditAction;

// The document's edit actions in the order they were recorded, with the position up to which
// they are applied: the entries before the position can be undone, those from it on redone.
// The history owns its entries.
class EditHistory
{
public:
    EditHistory();
    EditHistory(const EditHistory &) = delete;
    EditHistory &operator=(const EditHistory &) = delete;
    ~EditHistory();

    // Keeps and performs an action that has effect and fits its document, after dropping the
    // entries that could be redone; destroys any other. Answers whether it was kept.
    bool record(std::unique_ptr<EditAction> action);
    // Each answers whether there was an entry to undo or redo.
    bool undo();
    bool redo();
    std::optional<std::string_view> undoName() const;
    std::optional<std::string_view> redoName() const;

    std::uint32_t position() const { return m_position; }
    std::uint32_t count() const { return static_cast<std::uint32_t>(m_entries.size()); }
    const EditAction &entry(std::uint32_t index) const { return *m_entries.at(index); }

    // Forgets every entry (a load).
    void clear();
    // Forgets what could be undone; what could be redone stays, counted from 0 (a save).
    void trim();

private:
    std::vector<std::unique_ptr<EditAction>> m_entries;
    std::uint32_t m_position = 0;
};
