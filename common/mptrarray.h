#pragma once

#include <common/listindex.h>

#include <memory>
#include <utility>
#include <vector>

// A list of pointers, each entry with an ownership flag. Removing an entry, clearing the list or
// destroying it deletes the object only when the entry owns it; objects move between lists by
// appending them to one list and changing the flag in the other. Index rules as for MArray:
// reads are clamped to [lowerIndex(), upperIndex()], prepend() lowers the lower index, indexOf()
// answers absentIndex for a pointer that is not in the list. A read on an empty list answers null.
template<typename T>
class MPtrArray
{
    struct Entry
    {
        T *object;
        bool owns;
    };

public:
    MPtrArray() = default;
    MPtrArray(const MPtrArray &) = delete;
    MPtrArray &operator=(const MPtrArray &) = delete;
    MPtrArray(MPtrArray &&other) noexcept
        : m_lower(other.m_lower)
        , m_entries(std::move(other.m_entries))
    {
        other.m_entries.clear();
        other.m_lower = 0;
    }
    MPtrArray &operator=(MPtrArray &&other) noexcept
    {
        if (this != &other) {
            clear();
            m_lower = other.m_lower;
            m_entries = std::move(other.m_entries);
            other.m_entries.clear();
            other.m_lower = 0;
        }
        return *this;
    }
    ~MPtrArray() { clear(); }

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    int lowerIndex() const { return m_lower; }
    int upperIndex() const { return m_lower + count() - 1; }

    T *operator[](int index) const
    {
        if (m_entries.empty())
            return nullptr;
        return m_entries[clampedPosition(index)].object;
    }
    T *first() const { return (*this)[m_lower]; }
    T *last() const { return (*this)[upperIndex()]; }

    void append(T *object, bool owns) { m_entries.push_back({object, owns}); }
    void append(std::unique_ptr<T> object) { append(object.release(), true); }
    void prepend(T *object, bool owns)
    {
        m_entries.insert(m_entries.begin(), Entry{object, owns});
        --m_lower;
    }

    bool owns(int index) const { return validIndex(index) && entryAt(index).owns; }
    void setOwns(int index, bool owns)
    {
        if (validIndex(index))
            entryAt(index).owns = owns;
    }
    // Sets the flag of the entry holding the object; answers false when it is not in the list.
    bool setOwns(const T *object, bool owns)
    {
        const int index = indexOf(object);
        if (index == absentIndex)
            return false;
        setOwns(index, owns);
        return true;
    }

    int indexOf(const T *object) const
    {
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            if (m_entries[i].object == object)
                return m_lower + static_cast<int>(i);
        }
        return absentIndex;
    }
    bool contains(const T *object) const { return indexOf(object) != absentIndex; }

    // Removes the entry and deletes the object when the entry owns it.
    void removeAt(int index)
    {
        if (!validIndex(index))
            return;
        const Entry entry = entryAt(index);
        m_entries.erase(m_entries.begin() + (index - m_lower));
        if (entry.owns)
            delete entry.object;
    }
    // Removes the first entry holding the object; answers whether there was one.
    bool remove(const T *object)
    {
        const int index = indexOf(object);
        if (index == absentIndex)
            return false;
        removeAt(index);
        return true;
    }
    // Unlinks the entry without deleting the object. The caller takes over the object; when the
    // entry owned it the answer carries that ownership.
    std::unique_ptr<T> takeAt(int index)
    {
        if (!validIndex(index))
            return nullptr;
        const Entry entry = entryAt(index);
        m_entries.erase(m_entries.begin() + (index - m_lower));
        return entry.owns ? std::unique_ptr<T>(entry.object) : nullptr;
    }
    // Unlinks the first entry holding the object without deleting it, whatever its flag.
    bool detach(const T *object)
    {
        const int index = indexOf(object);
        if (index == absentIndex)
            return false;
        m_entries.erase(m_entries.begin() + (index - m_lower));
        return true;
    }

    // Exchanges the entries at two indices, ownership flags included.
    void swapEntries(int i, int j)
    {
        if (validIndex(i) && validIndex(j))
            std::swap(entryAt(i), entryAt(j));
    }

    void clear()
    {
        std::vector<Entry> entries;
        entries.swap(m_entries);
        for (const Entry &entry : entries) {
            if (entry.owns)
                delete entry.object;
        }
    }

    class Iterator
    {
    public:
        explicit Iterator(typename std::vector<Entry>::const_iterator it)
            : m_it(it)
        {
        }
        T *operator*() const { return m_it->object; }
        Iterator &operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const Iterator &other) const = default;

    private:
        typename std::vector<Entry>::const_iterator m_it;
    };

    Iterator begin() const { return Iterator(m_entries.cbegin()); }
    Iterator end() const { return Iterator(m_entries.cend()); }

private:
    bool validIndex(int index) const { return index >= m_lower && index <= upperIndex(); }
    Entry &entryAt(int index) { return m_entries[static_cast<std::size_t>(index - m_lower)]; }
    const Entry &entryAt(int index) const
    {
        return m_entries[static_cast<std::size_t>(index - m_lower)];
    }
    std::size_t clampedPosition(int index) const
    {
        if (index <= m_lower)
            return 0;
        if (index >= upperIndex())
            return m_entries.size() - 1;
        return static_cast<std::size_t>(index - m_lower);
    }

    int m_lower = 0;
    std::vector<Entry> m_entries;
};
