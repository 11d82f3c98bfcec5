#include "sheetbuilder.h"

#include "netlisterror.h"
#include "spicetext.h"

#include <model/capacitor.h>
#include <model/currenttag.h>
#include <model/currsource.h>
#include <model/depcurrsource.h>
#include <model/depvoltsource.h>
#include <model/grounder.h>
#include <model/inductor.h>
#include <model/labelunit.h>
#include <model/resistor.h>
#include <model/tcircuitdocument.h>
#include <model/voltagetag.h>
#include <model/voltsource.h>
#include <model/wire.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace {

bool isPassive(char kind)
{
    return kind == 'R' || kind == 'C' || kind == 'L';
}

// The unit that shows the value with the fewest digits away from 1 ... 999 ("0.1 µF" rather
// than "100000 pF", "10 Kohm" rather than "0.01 Mohm"); a tie goes to the larger unit.
int unitFor(const UnitScale &units, double value)
{
    int best = 0;
    double bestDistance = HUGE_VAL;
    for (int i = 0; i < units.count(); ++i) {
        const double exponent = std::log10(value / units.factor(i));
        const double distance = exponent < 0.0 ? -exponent : std::max(0.0, exponent - 3.0);
        if (distance <= bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

SheetBuilder::SheetBuilder(const SpiceNetlist &netlist, TCircuitDocument &document)
    : m_netlist(netlist)
    , m_document(document)
{
}

void SheetBuilder::build()
{
    collectNodes();
    assignNames();
    for (std::size_t i = 0; i < m_netlist.elements.size(); ++i) {
        const SpiceElement &element = m_netlist.elements[i];
        if (element.kind == 'E' || element.kind == 'G')
            m_controls[static_cast<int>(i)] = voltageControl(static_cast<int>(i));
        else if (element.kind == 'F' || element.kind == 'H')
            m_controls[static_cast<int>(i)] = currentControl(element);
    }
    for (std::size_t i = 0; i < m_netlist.elements.size(); ++i)
        placeElement(static_cast<int>(i));
    placeTags();
    placeRails();
}

int SheetBuilder::nodeOf(const std::string &name) const
{
    if (isSpiceGround(name))
        return ground;
    const auto found = m_nodeIndex.find(spiceLowerCase(name));
    return found == m_nodeIndex.end() ? ground - 1 : found->second;
}

// Nodes in the order they first appear; SPICE node names ignore case, the first spelling
// names the tag.
void SheetBuilder::collectNodes()
{
    for (const SpiceElement &element : m_netlist.elements) {
        for (const std::string &node : element.nodes) {
            if (isSpiceGround(node) || m_nodeIndex.count(spiceLowerCase(node)))
                continue;
            m_nodeIndex[spiceLowerCase(node)] = static_cast<int>(m_nodes.size());
            m_nodes.push_back({node, {}, {}});
        }
    }
}

void SheetBuilder::assignNames()
{
    struct Request
    {
        std::string *name;
        std::string wanted;
        // The SPICE name was valid as it stands.
        bool natural;
        bool tag;
    };
    std::vector<Request> requests;
    const std::size_t count = m_netlist.elements.size();
    m_elementNames.resize(count);
    m_currentTags.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const SpiceElement &element = m_netlist.elements[i];
        m_elementIndex.emplace(spiceLowerCase(element.spiceName()), static_cast<int>(i));
        requests.push_back({&m_elementNames[i],
                            SheetNames::hierarchicalName(element.name, element.instance),
                            element.instance.empty() && SheetNames::isValid(element.name), false});
    }
    for (Node &node : m_nodes) {
        const auto found = m_netlist.privateNodes.find(spiceLowerCase(node.name));
        const bool top = found == m_netlist.privateNodes.end();
        const std::string wanted
            = top ? SheetNames::hierarchicalName(node.name, {})
                  : SheetNames::hierarchicalName(found->second.name, found->second.instance);
        requests.push_back({&node.tag, ("V" + wanted).substr(0, labelUnit::capacity),
                            top && wanted == node.name, true});
    }
    for (std::size_t i = 0; i < count; ++i) {
        const SpiceElement &element = m_netlist.elements[i];
        if (isPassive(element.kind))
            requests.push_back({&m_currentTags[i],
                                ("I" + SheetNames::hierarchicalName(element.name, element.instance))
                                    .substr(0, labelUnit::capacity),
                                element.instance.empty() && SheetNames::isValid(element.name),
                                true});
    }
    for (const bool natural : {true, false}) {
        for (Request &request : requests) {
            if (request.natural == natural && m_names.claimIfFree(request.wanted))
                *request.name = request.wanted;
        }
    }
    for (Request &request : requests) {
        if (!request.name->empty())
            continue;
        std::string lower = request.wanted;
        lower[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(lower[0])));
        *request.name = request.tag && m_names.claimIfFree(lower)
                            ? lower
                            : m_names.claimUnique(request.wanted);
    }
}

SpiceNameMap SheetBuilder::nameMap() const
{
    SpiceNameMap map;
    for (std::size_t i = 0; i < m_netlist.elements.size(); ++i) {
        const SpiceElement &element = m_netlist.elements[i];
        map.add(element.spiceName(), m_elementNames[i]);
        if (isPassive(element.kind))
            map.add("I(" + element.spiceName() + ")", m_currentTags[i]);
    }
    for (const Node &node : m_nodes)
        map.add("V(" + node.name + ")", node.tag);
    for (const auto &[node, joined] : m_netlist.joinedNodes) {
        const int index = nodeOf(joined);
        if (index >= ground)
            map.add("V(" + node + ")",
                    index == ground ? "0" : m_nodes[static_cast<std::size_t>(index)].tag);
    }
    return map;
}

// E and G: the voltage of the controlling pair is a node's tag when the other node is ground,
// else a tag of its own across the pair.
SheetBuilder::Control SheetBuilder::voltageControl(int index)
{
    const SpiceElement &source = m_netlist.elements[static_cast<std::size_t>(index)];
    const int plus = nodeOf(source.controlNodes[0]);
    const int minus = nodeOf(source.controlNodes[1]);
    for (const std::string &node : source.controlNodes) {
        if (nodeOf(node) < ground)
            throw NetlistError(source.location(), source.name + ": the controlling node " + node
                                                      + " is no node of the circuit");
    }
    if (minus == ground)
        return {{m_nodes[static_cast<std::size_t>(plus)].tag}, 1.0};
    if (plus == ground)
        return {{m_nodes[static_cast<std::size_t>(minus)].tag}, -1.0};
    const std::string name
        = m_names.claimUnique("X" + m_elementNames[static_cast<std::size_t>(index)]);
    m_auxVoltageTags.push_back({name, plus, minus});
    return {{name}, 1.0};
}

// F and H: the program's current-controlled sources read current tags, which measure passive
// components only. The current of the controlling voltage source, from its n+ through it to
// its n-, is the sum of the currents that flow into its n+ from the other elements there, or
// out of its n- into them; it can be named where those elements are all passive components.
SheetBuilder::Control SheetBuilder::currentControl(const SpiceElement &source)
{
    const auto found = m_elementIndex.find(spiceLowerCase(source.controlSource));
    const int controller = found == m_elementIndex.end() ? -1 : found->second;
    if (controller < 0 || m_netlist.elements[static_cast<std::size_t>(controller)].kind != 'V')
        throw NetlistError(source.location(), source.name + ": the controlling source "
                                                  + source.controlSource
                                                  + " is no voltage source of the netlist");
    const SpiceElement &sense = m_netlist.elements[static_cast<std::size_t>(controller)];
    const int plus = nodeOf(sense.nodes[0]);
    const int minus = nodeOf(sense.nodes[1]);
    const auto atPlus = plus == minus ? std::nullopt : currentsAt(plus, true, controller);
    const auto atMinus = plus == minus ? std::nullopt : currentsAt(minus, false, controller);
    if (!atPlus && !atMinus)
        throw NetlistError(source.location(),
                           source.name + ": the current of " + sense.spiceName()
                               + " cannot be expressed; one of its nodes must join only "
                                 "resistors, capacitors and inductors besides it");
    auto reversedCount = [](const std::vector<CurrentTerm> &terms) {
        return std::count_if(terms.begin(), terms.end(),
                             [](const CurrentTerm &term) { return !term.straight; });
    };
    const std::vector<CurrentTerm> &terms
        = atPlus && (!atMinus || reversedCount(*atPlus) <= reversedCount(*atMinus)) ? *atPlus
                                                                                    : *atMinus;
    Control control;
    for (const CurrentTerm &term : terms) {
        control.dependencies.push_back(term.straight
                                           ? m_currentTags[static_cast<std::size_t>(term.element)]
                                           : reversedTagOf(term.element));
    }
    return control;
}

// Into the node, the current of an element from its first node to its second counts as it is
// where the second node is this one; out of the node, where the first is.
std::optional<std::vector<SheetBuilder::CurrentTerm>> SheetBuilder::currentsAt(int node, bool into,
                                                                               int controller) const
{
    std::vector<CurrentTerm> terms;
    for (std::size_t i = 0; i < m_netlist.elements.size(); ++i) {
        const SpiceElement &element = m_netlist.elements[i];
        const int first = nodeOf(element.nodes[0]);
        const int second = nodeOf(element.nodes[1]);
        if (static_cast<int>(i) == controller || (first != node && second != node)
            || first == second)
            continue;
        if (!isPassive(element.kind))
            return std::nullopt;
        terms.push_back({static_cast<int>(i), into ? second == node : first == node});
    }
    return terms;
}

const std::string &SheetBuilder::reversedTagOf(int element)
{
    auto found = m_reversedTags.find(element);
    if (found == m_reversedTags.end()) {
        const std::string &name = m_elementNames[static_cast<std::size_t>(element)];
        found = m_reversedTags.emplace(element, m_names.claimUnique("X" + name + "r")).first;
    }
    return found->second;
}

template<typename Thing>
Thing &SheetBuilder::add(Point first, Point second, const std::string &name, bool labelLeft)
{
    auto thing = std::make_unique<Thing>();
    // Labels go right of an upright segment, whichever way it points, or left when asked.
    if ((first.y > second.y) != labelLeft)
        thing->setLabelSide(LabelSide::Other);
    thing->place(first, second, &m_document);
    thing->setName(labelUnit(name));
    Thing &placed = *thing;
    if constexpr (std::is_base_of_v<CircTag, Thing>)
        m_document.appendTag(std::move(thing));
    else
        m_document.appendComponent(std::move(thing));
    return placed;
}

int SheetBuilder::elementsTop() const
{
    return railY(static_cast<int>(m_nodes.size())) + grid;
}

int SheetBuilder::elementX(int index) const
{
    const int tagColumns = static_cast<int>(m_nodes.size() + m_auxVoltageTags.size());
    return tagX(tagColumns) + 3 * grid + 6 * grid * index;
}

int SheetBuilder::rightEdge() const
{
    return elementX(static_cast<int>(m_netlist.elements.size()));
}

// The element's upper terminal is its first node unless only that one is ground.
void SheetBuilder::placeElement(int index)
{
    const SpiceElement &element = m_netlist.elements[static_cast<std::size_t>(index)];
    const int x = elementX(index);
    const Point upper{x, elementsTop()};
    const Point lower{x, elementsBottom()};
    const bool flipped = nodeOf(element.nodes[0]) == ground && nodeOf(element.nodes[1]) != ground;
    const Point n1 = flipped ? lower : upper;
    const Point n2 = flipped ? upper : lower;
    placeComponent(index, n1, n2);
    joinToRail(nodeOf(element.nodes[flipped ? 1 : 0]), upper, true);
    joinToRail(nodeOf(element.nodes[flipped ? 0 : 1]), lower, false);
}

void SheetBuilder::placeComponent(int index, Point n1, Point n2)
{
    const SpiceElement &element = m_netlist.elements[static_cast<std::size_t>(index)];
    const std::string &name = m_elementNames[static_cast<std::size_t>(index)];
    auto withValue = [&](PassComp &part) {
        const int unit = unitFor(part.units(), element.value);
        part.setUnitIndex(unit);
        part.setValue(textDouble(element.value / part.units().factor(unit)));
        add<CurrentTag>(n1, n2, m_currentTags[static_cast<std::size_t>(index)], true);
    };
    auto withControl = [&](DepSource &source, bool voltageDependent) {
        const Control &control = m_controls.at(index);
        source.setVoltageDependent(voltageDependent);
        for (const std::string &dependency : control.dependencies)
            source.dependencies().append(TagDepcy(labelUnit(dependency)));
        source.setGainNumerator(textDouble(control.gainSign * element.value));
        source.setGainDenominator(textDouble("1"));
    };
    switch (element.kind) {
    case 'R':
        withValue(add<Resistor>(n1, n2, name));
        break;
    case 'C':
        withValue(add<Capacitor>(n1, n2, name));
        break;
    case 'L':
        withValue(add<Inductor>(n1, n2, name));
        break;
    case 'V':
        add<VoltSource>(n2, n1, name);
        break;
    case 'I':
        add<CurrSource>(n1, n2, name);
        break;
    case 'E':
        withControl(add<DepVoltSource>(n2, n1, name), true);
        break;
    case 'G':
        withControl(add<DepCurrSource>(n1, n2, name), true);
        break;
    case 'H':
        withControl(add<DepVoltSource>(n2, n1, name), false);
        break;
    case 'F':
        withControl(add<DepCurrSource>(n1, n2, name), false);
        break;
    default:
        break;
    }
    const auto reversed = m_reversedTags.find(index);
    if (reversed != m_reversedTags.end())
        add<CurrentTag>(n2, n1, reversed->second, true);
}

// An upper terminal is wired straight up; a lower one down a cell, left two cells (clear of
// the labels, which stand right of the column) and up. Ground ends either with its symbol.
void SheetBuilder::joinToRail(int node, Point terminal, bool upper)
{
    if (node == ground) {
        add<Grounder>(terminal, {terminal.x, terminal.y + (upper ? -grid : grid)});
        return;
    }
    Node &rail = m_nodes[static_cast<std::size_t>(node)];
    if (upper) {
        add<Wire>(terminal, {terminal.x, railY(node)});
        rail.taps.push_back(terminal.x);
        return;
    }
    const Point below{terminal.x, terminal.y + grid};
    const Point aside{terminal.x - 2 * grid, below.y};
    add<Wire>(terminal, below);
    add<Wire>(below, aside);
    add<Wire>(aside, {aside.x, railY(node)});
    rail.taps.push_back(aside.x);
}

// The node tags stand in the columns left of the elements, each from its rail down to a
// ground symbol; the extra control tags follow, each across its two rails.
void SheetBuilder::placeTags()
{
    for (std::size_t k = 0; k < m_nodes.size(); ++k) {
        const int node = static_cast<int>(k);
        const int x = tagX(node);
        add<VoltageTag>({x, railY(node)}, {x, elementsBottom()}, m_nodes[k].tag);
        add<Grounder>({x, elementsBottom()}, {x, elementsBottom() + grid});
        m_nodes[k].taps.push_back(x);
    }
    for (std::size_t k = 0; k < m_auxVoltageTags.size(); ++k) {
        const AuxVoltageTag &tag = m_auxVoltageTags[k];
        const int x = tagX(static_cast<int>(m_nodes.size() + k));
        add<VoltageTag>({x, railY(tag.plus)}, {x, railY(tag.minus)}, tag.name);
        m_nodes[static_cast<std::size_t>(tag.plus)].taps.push_back(x);
        m_nodes[static_cast<std::size_t>(tag.minus)].taps.push_back(x);
    }
}

// A rail is a chain of wires from tap to tap, so that each tap is a wire end.
void SheetBuilder::placeRails()
{
    for (std::size_t k = 0; k < m_nodes.size(); ++k) {
        std::vector<int> &taps = m_nodes[k].taps;
        std::sort(taps.begin(), taps.end());
        taps.erase(std::unique(taps.begin(), taps.end()), taps.end());
        const int y = railY(static_cast<int>(k));
        for (std::size_t i = 1; i < taps.size(); ++i)
            add<Wire>({taps[i - 1], y}, {taps[i], y});
    }
}
