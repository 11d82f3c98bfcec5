#pragma once

#include <model/circtool.h>

// The corners of a tool on the other side of a node drag. The node-move action keeps one for
// every tool it reshapes and swaps it with the tool's current corners on undo and redo. The
// cache refers to the tool without owning it and is never stored.
class CToolPosCache : public CircTool
{
public:
    // Copies the tool's current corners and label point.
    explicit CToolPosCache(CircTool &tool);

    // Gives the tool the cached corners and keeps the ones it had.
    void swap();
    CircTool &tool() const { return m_tool; }

private:
    CircTool &m_tool;
};
