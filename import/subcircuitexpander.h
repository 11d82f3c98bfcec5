#pragma once

#include <import/spicedeck.h>
#include <import/spicenetlist.h>
#include <import/spiceparser.h>

#include <map>
#include <set>
#include <string>
#include <vector>

class ParameterScope;

// Flattens the netlist's top and every subcircuit instance in it, to any depth, into one list
// of elements. An instance "X1 a b amp r=2k" expands the body of amp once more: its elements
// are named by the instance's path (X1.R3), its pins are the instance's nodes, node 0 (or gnd)
// and the nodes of .global are the same everywhere, and every other node is private to the
// instance (X1.n1). Its parameters are the subcircuit's defaults, replaced by the values the
// instance line gives (evaluated where the line stands), and its .param lines. Elements that
// do nothing are left out with a note: a component with both terminals on one node, a
// controlled current source controlled by one node. A zero inductance and a voltage source
// controlled by one node (0 V) join their two nodes into one, named by ground or else by the
// node that came first (SpiceNetlist::joinedNodes).
class SubcircuitExpander
{
public:
    SubcircuitExpander(const SpiceDeck &deck, SpiceNetlist &netlist);

    void expand();

    // Instances nested deeper than this are refused.
    static constexpr int maxDepth = 64;
    // So many instances are refused even when they hold no element, which would otherwise
    // let a few lines expand for ever.
    static constexpr int maxInstances = 2 * SpiceParser::maxElements;

private:
    struct Instance
    {
        std::string path;
        // The instance's nodes by the subcircuit's pin names in lower case.
        std::map<std::string, std::string> pins;
        const ParameterScope *scope = nullptr;
    };

    void expandBody(const SpiceBody &body, const Instance &instance);
    void expandInstance(const SpiceLine &line, const std::vector<std::string> &words,
                        const Instance &outer);
    // localNames: the names of the body's elements in lower case.
    void add(SpiceElement element, const Instance &instance,
             const std::set<std::string> &localNames);
    std::string nodeName(const std::string &name, const Instance &instance);
    bool isOneNode(const std::string &a, const std::string &b) const;
    static std::string representative(std::map<std::string, std::string> &parents,
                                      const std::string &lower);
    void joinShortedNodes();
    void dropIdleElements();
    void note(const SpiceElement &element, const std::string &text);

    const SpiceDeck &m_deck;
    SpiceNetlist &m_netlist;
    // The subcircuits being expanded, outermost first.
    std::vector<const SubcircuitDefinition *> m_active;
    int m_instances = 0;
};
