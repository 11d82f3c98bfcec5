#pragma once

#include <common/geometry.h>

// What of the sheet a view must paint anew: nothing, a sheet rectangle, or everything.
class RepaintRegion
{
public:
    bool isEmpty() const { return !m_whole && !m_hasRect; }
    bool isWhole() const { return m_whole; }
    // The sheet rectangle to repaint; meaningful only while the region is neither empty nor
    // whole.
    const Rect &rect() const { return m_rect; }

    void add(const Rect &sheetRect);
    void addWhole() { m_whole = true; }
    void clear() { *this = RepaintRegion(); }

private:
    bool m_whole = false;
    bool m_hasRect = false;
    Rect m_rect;
};
