#include "repaintregion.h"

void RepaintRegion::add(const Rect &sheetRect)
{
    const Rect r = sheetRect.normalized();
    m_rect = m_hasRect ? m_rect.united(r) : r;
    m_hasRect = true;
}
