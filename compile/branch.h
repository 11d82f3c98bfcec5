#pragma once

#include <common/marray.h>
#include <compile/directedcomp.h>

class CPoint;

// A chain of components between two nodes, in walking order from its start to its end, with
// the counts of the sources in it.
class Branch
{
public:
    // Appends a component crossed by the walk and counts it.
    void append(Component *component, bool forward);

    const MArray<DirectedComp> &chain() const { return m_chain; }
    int componentCount() const { return m_chain.count(); }
    // Made of voltage sources only.
    bool isVoltageSourceOnly() const { return m_nVoltageSources == m_chain.count(); }

    CPoint *start = nullptr;
    CPoint *end = nullptr;
    int nSources() const { return m_nSources; }
    int nVoltageSources() const { return m_nVoltageSources; }
    int nCurrentSources() const { return m_nCurrentSources; }
    // The end lies in the same supernode as the start.
    bool internal = false;

private:
    MArray<DirectedComp> m_chain;
    int m_nSources = 0;
    int m_nVoltageSources = 0;
    int m_nCurrentSources = 0;
};
