#pragma once

#include <common/listindex.h>

#include <memory>
#include <utility>
#include <vector>

// A list of values with the index rules the whole program relies on:
// - indices run from lowerIndex() to upperIndex(); a new list has lower index 0 and upper -1;
// - reading below the lower index gives the first element, above the upper index the last;
// - extendTo(i) appends default elements until i is a valid index and returns that element;
// - prepend() lowers the lower index, removal renumbers the rest from the lower index;
// - indexOf() answers absentIndex when the value is not in the list.
// Each element lives in its own allocation, so references to elements stay valid while other
// elements are added or removed (the netlist keeps pointers into its lists).
template<typename T>
class MArray
{
public:
    MArray() = default;
    MArray(const MArray &other)
        : m_lower(other.m_lower)
    {
        m_items.reserve(other.m_items.size());
        for (const auto &item : other.m_items)
            m_items.push_back(std::make_unique<T>(*item));
    }
    MArray(MArray &&other) noexcept = default;
    MArray &operator=(const MArray &other)
    {
        if (this != &other) {
            MArray copy(other);
            swap(copy);
        }
        return *this;
    }
    MArray &operator=(MArray &&other) noexcept = default;
    ~MArray() = default;

    void swap(MArray &other) noexcept
    {
        std::swap(m_lower, other.m_lower);
        m_items.swap(other.m_items);
    }

    int count() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    int lowerIndex() const { return m_lower; }
    int upperIndex() const { return m_lower + count() - 1; }

    // Clamped read. On an empty list a default value is answered.
    const T &operator[](int index) const
    {
        if (m_items.empty()) {
            static const T absent{};
            return absent;
        }
        return *m_items[clampedPosition(index)];
    }
    // On an empty list this answers a scratch default value that belongs to no list.
    T &operator[](int index)
    {
        if (m_items.empty()) {
            static T scratch;
            scratch = T();
            return scratch;
        }
        return *m_items[clampedPosition(index)];
    }

    // Extending accessor: appends default elements up to the index, then answers the element
    // at the index (clamped below the lower index).
    T &extendTo(int index)
    {
        if (m_items.empty())
            m_items.push_back(std::make_unique<T>());
        while (upperIndex() < index)
            m_items.push_back(std::make_unique<T>());
        return *m_items[clampedPosition(index)];
    }

    const T &first() const { return (*this)[m_lower]; }
    T &first() { return (*this)[m_lower]; }
    const T &last() const { return (*this)[upperIndex()]; }
    T &last() { return (*this)[upperIndex()]; }

    void append(T value) { m_items.push_back(std::make_unique<T>(std::move(value))); }
    void prepend(T value)
    {
        m_items.insert(m_items.begin(), std::make_unique<T>(std::move(value)));
        --m_lower;
    }

    // Removes the element at the index; an index outside the list removes nothing.
    void removeAt(int index)
    {
        if (index < m_lower || index > upperIndex())
            return;
        m_items.erase(m_items.begin() + (index - m_lower));
    }
    void removeFirst() { removeAt(m_lower); }
    void removeLast() { removeAt(upperIndex()); }
    void clear() { m_items.clear(); }

    int indexOf(const T &value) const
    {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (*m_items[i] == value)
                return m_lower + static_cast<int>(i);
        }
        return absentIndex;
    }
    bool contains(const T &value) const { return indexOf(value) != absentIndex; }

    template<typename Base>
    class Iterator
    {
    public:
        using Inner = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit Iterator(Inner it)
            : m_it(it)
        {
        }
        Base &operator*() const { return **m_it; }
        Base *operator->() const { return m_it->get(); }
        Iterator &operator++()
        {
            ++m_it;
            return *this;
        }
        bool operator==(const Iterator &other) const = default;

    private:
        Inner m_it;
    };

    Iterator<T> begin() { return Iterator<T>(m_items.cbegin()); }
    Iterator<T> end() { return Iterator<T>(m_items.cend()); }
    Iterator<const T> begin() const { return Iterator<const T>(m_items.cbegin()); }
    Iterator<const T> end() const { return Iterator<const T>(m_items.cend()); }

private:
    std::size_t clampedPosition(int index) const
    {
        if (index <= m_lower)
            return 0;
        if (index >= upperIndex())
            return m_items.size() - 1;
        return static_cast<std::size_t>(index - m_lower);
    }

    int m_lower = 0;
    std::vector<std::unique_ptr<T>> m_items;
};
