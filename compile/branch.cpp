#include "branch.h"

#include <model/component.h>

void Branch::append(Component *component, bool forward)
{
    m_chain.append(DirectedComp{component, forward});
    if (component->isSource())
        ++m_nSources;
    if (component->isVoltageSource())
        ++m_nVoltageSources;
    if (component->isCurrentSource())
        ++m_nCurrentSources;
}
