#include "circuitsolution.h"

#include <compile/compilemessages.h>
#include <compile/documentcompile.h>
#include <compile/matrixlid.h>
#include <model/circtool.h>
#include <model/currenttag.h>
#include <model/message.h>
#include <model/passcomp.h>
#include <model/tcircuitdocument.h>
#include <model/voltagetag.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const char *const shortedVoltageSources = "Two or more Voltage Sources are shorted together";

// Where a walk from an essential node along a chain of components stopped.
struct WalkEnd
{
    CPoint *node = nullptr;
    Component *last = nullptr;
    // The chain ran into a ring of inessential nodes that never leads to an essential node or
    // an open end; no current can flow through it, so it counts as a dangling chain.
    bool deadEnd = false;
};

// The walk: from the start node through the given component, passing straight through every
// inessential node of degree 2, up to the first essential node or a node of degree below 2.
// The branch, when given, records every component crossed with its direction.
WalkEnd walk(CPoint *start, Component *first, int nodeCount, Branch *branch = nullptr)
{
    CPoint *previous = start;
    Component *current = first;
    for (int step = 0;; ++step) {
        const bool forward = previous == current->cp1;
        if (branch)
            branch->append(current, forward);
        CPoint *next = CPoint::of(forward ? current->cp2 : current->cp1);
        if (next == nullptr || next->isEssential || next->degree() <= 1)
            return WalkEnd{next, current, next == nullptr};
        // A walk that passes more nodes than there are goes round a ring.
        if (step > nodeCount)
            return WalkEnd{next, current, true};
        Component *onward = nullptr;
        for (Component *candidate : next->components) {
            if (candidate != current) {
                onward = candidate;
                break;
            }
        }
        if (onward == nullptr)
            return WalkEnd{next, current, true};
        current = onward;
        previous = next;
    }
}

// Whether the walked chain ends in the open, at a node that it alone joins. A far node that
// no longer holds the chain has cut it off itself: the walk's start lies out on a chain that
// hangs from that node, and keeps its link to it.
bool danglesTowards(const WalkEnd &end)
{
    return end.node->degree() < 2 && end.node->components.contains(end.last);
}

bool firstEssentialMark(const CPoint &point)
{
    return point.degree() >= 3 || point.isNodeOfInterest;
}

// Removes every entry of the component from the list.
void removeAll(MPtrArray<Component> &components, const Component *component)
{
    while (components.remove(component)) {
    }
}

} // namespace

CircuitSolution::CircuitSolution(TCircuitDocument &document)
    : m_document(document)
{
}

void CircuitSolution::setProgress(int progress)
{
    m_progress = progress;
    refreshCompileDialog(m_document);
}

void CircuitSolution::build()
{
    collectEndPoints();
    setProgress(25);
    attachComponents();
    joinThroughConnectors();
    dropShortedComponents();
    setTerminalNodes();
    setProgress(50);
    setTagNodes();
    for (CPoint *point : m_cpoints)
        point->isEssential = firstEssentialMark(*point);
    pruneChains();
    setProgress(70);
    if (!chooseReference()) {
        m_document.addMessage(CompileMessages::noNodeToSolve);
        return;
    }
    buildBranches();
    buildSupernodes();
    if (m_document.errorCount() != 0)
        return;
    markInternalBranches();
    setProgress(80);
}

EndPoint *CircuitSolution::storedEndPoint(EndPoint position)
{
    const int index = m_endpoints.indexOf(position);
    if (index != absentIndex)
        return &m_endpoints[index];
    m_endpoints.append(position);
    return &m_endpoints.last();
}

// Step 1: one stored EndPoint per distinct position, components first, then tags.
void CircuitSolution::collectEndPoints()
{
    m_endpoints.clear();
    auto link = [this](NetlistLinks &links, Point first, Point second) {
        links.clearNetlistLinks();
        links.end1 = storedEndPoint(EndPoint(first.x, first.y, &m_document));
        links.end2 = storedEndPoint(EndPoint(second.x, second.y, &m_document));
    };
    for (Component *component : m_document.components())
        link(*component, component->firstTerminal(), component->secondTerminal());
    for (CircTag *tag : m_document.tags()) {
        link(*tag, tag->firstPoint(), tag->secondPoint());
        if (auto *currentTag = dynamic_cast<CurrentTag *>(tag))
            currentTag->passComp = nullptr;
    }
}

// Steps 3 and 4: a node per position, holding the components with exactly one terminal there.
void CircuitSolution::attachComponents()
{
    m_cpoints.clear();
    for (EndPoint &position : m_endpoints) {
        auto point = std::make_unique<CPoint>();
        point->positions.append(&position, false);
        m_cpoints.append(std::move(point));
    }
    for (CPoint *point : m_cpoints) {
        for (Component *component : m_document.components()) {
            if (point->holds(component->end1) != point->holds(component->end2))
                point->components.append(component, false);
        }
    }
}

CPoint *CircuitSolution::nodeHolding(const EndPoint *position) const
{
    for (CPoint *point : m_cpoints) {
        if (point->holds(position))
            return point;
    }
    return nullptr;
}

// Step 5: wires and ground symbols merge the nodes at their two ends. Components taken over
// from a merged node are visited later in the same walk, so chains of wires collapse at once.
void CircuitSolution::joinThroughConnectors()
{
    for (int pointIndex = m_cpoints.lowerIndex(); pointIndex <= m_cpoints.upperIndex();) {
        CPoint *point = m_cpoints[pointIndex];
        MPtrArray<Component> &components = point->components;
        for (int index = components.lowerIndex(); index <= components.upperIndex();) {
            Component *component = components[index];
            if (!component->isConnector()) {
                ++index;
                continue;
            }
            const bool holdsFirst = point->holds(component->end1);
            const bool holdsSecond = point->holds(component->end2);
            if (holdsFirst && holdsSecond) {
                removeAll(components, component);
                continue;
            }
            CPoint *other = nodeHolding(holdsFirst ? component->end2 : component->end1);
            if (other != nullptr && other != point) {
                other->components.remove(component);
                for (Component *moved : other->components)
                    components.append(moved, false);
                for (EndPoint *moved : other->positions)
                    point->positions.append(moved, false);
                m_cpoints.remove(other);
            }
            components.remove(component);
        }
        pointIndex = m_cpoints.indexOf(point) + 1;
    }
}

// Step 6: a component whose terminals ended in one node (a resistor bridged by a wire) leaves
// the netlist; its nodes stay null.
void CircuitSolution::dropShortedComponents()
{
    for (CPoint *point : m_cpoints) {
        std::vector<Component *> shorted;
        for (Component *component : point->components) {
            if (point->holds(component->end1) && point->holds(component->end2))
                shorted.push_back(component);
        }
        for (Component *component : shorted)
            removeAll(point->components, component);
    }
}

// Step 7.
void CircuitSolution::setTerminalNodes()
{
    for (CPoint *point : m_cpoints) {
        for (Component *component : point->components) {
            if (point->holds(component->end1))
                component->cp1 = point;
            else if (point->holds(component->end2))
                component->cp2 = point;
        }
    }
}

// Step 9: the nodes a tag measures between become nodes of interest. A current tag measures
// the first component that spans exactly its two positions, when that is a passive one.
void CircuitSolution::setTagNodes()
{
    auto resolve = [this](CircTag &tag) {
        CPoint *first = nodeHolding(tag.end1);
        CPoint *second = nodeHolding(tag.end2);
        if (first == nullptr || second == nullptr || first == second)
            return;
        tag.cp1 = first;
        tag.cp2 = second;
        first->isNodeOfInterest = true;
        second->isNodeOfInterest = true;
    };
    for (CircTag *tag : m_document.tags()) {
        if (dynamic_cast<VoltageTag *>(tag) != nullptr) {
            resolve(*tag);
            continue;
        }
        auto *currentTag = dynamic_cast<CurrentTag *>(tag);
        if (currentTag == nullptr || tag->end1 == nullptr || tag->end2 == nullptr)
            continue;
        for (Component *component : m_document.components()) {
            const bool spans = (component->end1 == tag->end1 && component->end2 == tag->end2)
                               || (component->end1 == tag->end2 && component->end2 == tag->end1);
            if (spans) {
                currentTag->passComp = dynamic_cast<PassComp *>(component);
                break;
            }
        }
        if (currentTag->passComp != nullptr)
            resolve(*tag);
    }
}

// Step 11: loops hanging on an essential node and chains ending in the open carry no current;
// they are cut off, in whole passes until nothing changes. The far node of a cut chain keeps
// its link back: an essential node out on the chain (a tagged one) still has its branch, and
// it reads the voltage of the node the chain hangs from. That node therefore stays essential,
// so that the branch ends at a node that is solved for.
void CircuitSolution::pruneChains()
{
    std::vector<const CPoint *> anchors;
    bool changed = true;
    while (changed) {
        changed = false;
        for (CPoint *point : m_cpoints) {
            if (point->isEssential && pruneAt(*point, anchors)) {
                point->isEssential
                    = firstEssentialMark(*point)
                      || std::find(anchors.begin(), anchors.end(), point) != anchors.end();
                changed = true;
            }
        }
    }
}

bool CircuitSolution::pruneAt(CPoint &point, std::vector<const CPoint *> &anchors)
{
    bool removed = false;
    std::vector<Component *> chains;
    for (Component *component : point.components)
        chains.push_back(component);
    for (Component *first : chains) {
        if (!point.components.contains(first))
            continue;
        const WalkEnd end = walk(&point, first, m_cpoints.count());
        if (end.node == &point && !end.deadEnd) {
            point.components.remove(end.last);
            point.components.remove(first);
            removed = true;
        } else if (end.deadEnd || danglesTowards(end)) {
            point.components.remove(first);
            removed = true;
            if (end.node != nullptr && end.node->isEssential)
                anchors.push_back(&point);
        }
    }
    return removed;
}

// Step 13: the essential node of the largest degree, the earliest on a tie.
bool CircuitSolution::chooseReference()
{
    m_reference = nullptr;
    int largest = 0;
    for (CPoint *point : m_cpoints) {
        if (point->isEssential && point->degree() > largest) {
            largest = point->degree();
            m_reference = point;
        }
    }
    if (m_reference == nullptr)
        return false;
    m_reference->isReference = true;
    m_reference->isNodeOfInterest = true;
    m_reference->isEssential = true;
    return true;
}

// Step 14: every chain from an essential node becomes a branch of that node, so a branch
// between two essential nodes exists once from each end.
void CircuitSolution::buildBranches()
{
    for (CPoint *point : m_cpoints) {
        if (!point->isEssential)
            continue;
        for (Component *first : point->components) {
            auto branch = std::make_unique<Branch>();
            const WalkEnd end = walk(point, first, m_cpoints.count(), branch.get());
            if (end.deadEnd)
                continue;
            branch->start = point;
            branch->end = end.node;
            if (branch->nCurrentSources() > 1)
                compileBeep(m_document);
            point->branches.append(std::move(branch));
        }
    }
}

// Step 15: supernodes grow along the branches made only of voltage sources. A second branch
// that reaches a node already in the supernode closes a loop of voltage sources, unless it is
// the first branch seen again from its other end.
void CircuitSolution::buildSupernodes()
{
    m_snodes.clear();
    for (CPoint *seed : m_cpoints) {
        if (!seed->isEssential || seed->inSupernode)
            continue;
        seed->inSupernode = true;
        auto owned = std::make_unique<SNode>();
        SNode &snode = *owned;
        snode.cpoints.append(seed, false);
        m_snodes.append(std::move(owned));

        std::vector<const Component *> taken;
        bool loop = false;
        bool grown = true;
        while (grown) {
            grown = false;
            for (int index = snode.cpoints.lowerIndex(); index <= snode.cpoints.upperIndex();
                 ++index) {
                CPoint *point = snode.cpoints[index];
                for (;;) {
                    int found = absentIndex;
                    for (int b = point->branches.lowerIndex(); b <= point->branches.upperIndex();
                         ++b) {
                        if (point->branches[b]->isVoltageSourceOnly()) {
                            found = b;
                            break;
                        }
                    }
                    if (found == absentIndex)
                        break;
                    std::unique_ptr<Branch> branch = point->branches.takeAt(found);
                    CPoint *end = branch->end;
                    if (!snode.holds(end)) {
                        end->inSupernode = true;
                        snode.cpoints.append(end, false);
                        for (const DirectedComp &part : branch->chain())
                            taken.push_back(part.component);
                        snode.branches.append(std::move(branch));
                        grown = true;
                    } else if (std::find(taken.begin(), taken.end(),
                                         branch->chain().last().component)
                               == taken.end()) {
                        loop = true;
                    }
                }
            }
        }
        if (loop)
            m_document.addMessage(shortedVoltageSources);
    }
}

// Step 17.
void CircuitSolution::markInternalBranches()
{
    for (SNode *snode : m_snodes) {
        for (CPoint *point : snode->cpoints) {
            for (Branch *branch : point->branches) {
                if (snode->holds(branch->end))
                    branch->internal = true;
            }
        }
    }
}

void CircuitSolution::checkNames()
{
    auto report = [this](const CircThing &first, const CircThing &second, const char *message) {
        if (!first.name().isEmpty() && first.name() == second.name())
            m_document.addMessage(formatMessage(message, first.name().view()));
    };
    const MPtrArray<Component> &components = m_document.components();
    const MPtrArray<CircTag> &tags = m_document.tags();
    const MPtrArray<CircTool> &tools = m_document.tools();
    for (int i = components.lowerIndex(); i <= components.upperIndex(); ++i) {
        for (int j = i + 1; j <= components.upperIndex(); ++j)
            report(*components[i], *components[j],
                   "Two or more Components are using the name : %s");
        for (const CircTag *tag : tags)
            report(*components[i], *tag, "A Circuit Tag and a Component are using the name : %s");
        for (const CircTool *tool : tools)
            report(*components[i], *tool, "A Circuit Tool and a Component are using the name : %s");
    }
    for (int i = tags.lowerIndex(); i <= tags.upperIndex(); ++i) {
        for (int j = i + 1; j <= tags.upperIndex(); ++j)
            report(*tags[i], *tags[j], "Two or more Circuit Tags are using the name : %s");
        for (const CircTool *tool : tools)
            report(*tags[i], *tool, "A Circuit Tool and a Circuit Tag are using the name : %s");
    }
    for (int i = tools.lowerIndex(); i <= tools.upperIndex(); ++i) {
        for (int j = i + 1; j <= tools.upperIndex(); ++j)
            report(*tools[i], *tools[j], "Two or more Circuit Tools are using the name : %s");
    }
    setProgress(90);
}

void CircuitSolution::exportTo(MatrixLid &lid)
{
    for (SNode *snode : m_snodes)
        lid.supernodes().append(snode, false);
    for (Component *component : m_document.components()) {
        if (component->isDependent())
            lid.dependentSources().append(component, false);
        if (component->isIndependent())
            lid.independentSources().append(component, false);
    }
    for (CPoint *point : m_cpoints) {
        if (point->isEssential && !point->isReference)
            lid.nodesToSolve().append(point, false);
    }
    setProgress(100);
}
