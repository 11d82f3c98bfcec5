#include "ctoolposcache.h"

CToolPosCache::CToolPosCache(CircTool &tool)
    : m_tool(tool)
{
    copyPlacement(tool);
}

void CToolPosCache::swap()
{
    CircTool current;
    current.copyPlacement(m_tool);
    m_tool.copyPlacement(*this);
    copyPlacement(current);
}
