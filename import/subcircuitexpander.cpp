#include "subcircuitexpander.h"

#include "parameterscope.h"
#include "spiceelementreader.h"
#include "spiceparser.h"
#include "spicetext.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

// The expression of a parameter's value: the text in its braces or quotes, or the word.
std::string_view expressionOf(const std::string &value)
{
    return bracedExpression(value).value_or(value);
}

bool isVoltageSource(char kind)
{
    return kind == 'V' || kind == 'E' || kind == 'H';
}

} // namespace

SubcircuitExpander::SubcircuitExpander(const SpiceDeck &deck, SpiceNetlist &netlist)
    : m_deck(deck)
    , m_netlist(netlist)
{
}

void SubcircuitExpander::expand()
{
    ParameterScope global;
    for (const SpiceParameterLine &parameter : m_deck.top.parameters)
        global.define(parameter.assignment.name, parameter.assignment.value, parameter.line);
    Instance top;
    top.scope = &global;
    expandBody(m_deck.top, top);
    joinShortedNodes();
    dropIdleElements();
}

std::string SubcircuitExpander::representative(std::map<std::string, std::string> &parents,
                                               const std::string &lower)
{
    std::string root = lower;
    while (parents.count(root) && parents[root] != root)
        root = parents[root];
    return root;
}

// A voltage source controlled by one node gives 0 V: it joins its two nodes, as a zero
// inductance does. Joined nodes may make further controls one node, hence the rounds.
void SubcircuitExpander::joinShortedNodes()
{
    std::map<std::string, std::string> parents;
    std::map<std::string, std::string> spelling;
    bool joined = true;
    while (joined) {
        joined = false;
        for (SpiceElement &element : m_netlist.elements) {
            if (element.kind == 'E'
                && isOneNode(element.controlNodes[0], element.controlNodes[1])) {
                note(element, "controlled by " + element.controlNodes[0] + " and "
                                  + element.controlNodes[1]
                                  + ", one node: its voltage is 0; its nodes are joined");
                element.kind = 'W';
            }
            if (element.kind != 'W' || isOneNode(element.nodes[0], element.nodes[1]))
                continue;
            std::string first = representative(parents, spiceLowerCase(element.nodes[0]));
            std::string second = representative(parents, spiceLowerCase(element.nodes[1]));
            // Ground stays ground; otherwise the node that came first names the joined one.
            if (second == "0")
                std::swap(first, second);
            parents[second] = first;
            spelling.emplace(spiceLowerCase(element.nodes[0]), element.nodes[0]);
            spelling.emplace(spiceLowerCase(element.nodes[1]), element.nodes[1]);
            joined = true;
        }
        for (SpiceElement &element : m_netlist.elements) {
            for (std::array<std::string, 2> *pair : {&element.nodes, &element.controlNodes}) {
                for (std::string &node : *pair) {
                    const std::string root = representative(parents, spiceLowerCase(node));
                    if (root != spiceLowerCase(node))
                        node = root == "0" ? "0" : spelling.at(root);
                }
            }
        }
    }
    for (const auto &[lower, name] : spelling) {
        const std::string root = representative(parents, lower);
        if (root != lower)
            m_netlist.joinedNodes.push_back({name, root == "0" ? "0" : spelling.at(root)});
    }
}

void SubcircuitExpander::dropIdleElements()
{
    std::vector<SpiceElement> kept;
    for (SpiceElement &element : m_netlist.elements) {
        if (element.kind == 'W')
            continue;
        if (element.kind == 'G' && isOneNode(element.controlNodes[0], element.controlNodes[1])) {
            note(element, "controlled by " + element.controlNodes[0] + " and "
                              + element.controlNodes[1] + ", one node: its current is 0; left out");
            continue;
        }
        if (isOneNode(element.nodes[0], element.nodes[1])) {
            const std::string where = "both terminals on node " + element.nodes[0];
            if (isVoltageSource(element.kind))
                throw NetlistError(element.location(),
                                   element.name + ": " + where
                                       + "; a voltage source cannot be shorted");
            note(element, where + "; left out");
            continue;
        }
        kept.push_back(std::move(element));
    }
    m_netlist.elements = std::move(kept);
}

void SubcircuitExpander::note(const SpiceElement &element, const std::string &text)
{
    m_netlist.notes.push_back(element.location().prefix() + element.name + ": " + text);
}

void SubcircuitExpander::expandBody(const SpiceBody &body, const Instance &instance)
{
    std::set<std::string> localNames;
    for (const SpiceLine &line : body.elements)
        localNames.insert(spiceLowerCase(line.text.substr(0, line.text.find_first_of(" \t"))));
    std::map<std::string, int> names;
    SpiceElementReader reader(*instance.scope, m_netlist.notes);
    for (const SpiceLine &line : body.elements) {
        const std::vector<std::string> words = spiceWords(line);
        const auto [known, inserted] = names.emplace(spiceLowerCase(words[0]), line.number);
        if (!inserted)
            throw NetlistError(SpiceLocation{line.number, instance.path},
                               words[0] + " is defined twice (first on line "
                                   + std::to_string(known->second) + ")");
        if (std::toupper(static_cast<unsigned char>(words[0][0])) == 'X') {
            expandInstance(line, words, instance);
            continue;
        }
        if (std::optional<SpiceElement> element = reader.read(line, words))
            add(std::move(*element), instance, localNames);
    }
}

void SubcircuitExpander::expandInstance(const SpiceLine &line,
                                        const std::vector<std::string> &words,
                                        const Instance &outer)
{
    const SpiceLocation at{line.number, outer.path};
    const std::string &name = words[0];
    // The assignments start with the name before the first "=".
    const auto equals = std::find(words.begin(), words.end(), "=");
    const std::size_t assignments = equals == words.end()
                                        ? words.size()
                                        : static_cast<std::size_t>(equals - words.begin()) - 1;
    std::size_t end = assignments;
    if (end > 0 && spiceLowerCase(words[end - 1]) == "params:")
        --end;
    if (end < 3)
        throw NetlistError(at, name + " needs its nodes and the name of a subcircuit");
    const std::string &subcircuit = words[end - 1];
    const auto found = m_deck.subcircuits.find(spiceLowerCase(subcircuit));
    if (found == m_deck.subcircuits.end())
        throw NetlistError(at, name + ": the subcircuit " + subcircuit + " is not defined");
    const SubcircuitDefinition &definition = found->second;
    if (std::find(m_active.begin(), m_active.end(), &definition) != m_active.end())
        throw NetlistError(at, name + ": the subcircuit " + subcircuit + " contains itself");
    if (m_active.size() >= maxDepth)
        throw NetlistError(at, name + ": subcircuits nested deeper than " + std::to_string(maxDepth)
                                   + " levels");
    if (++m_instances > maxInstances)
        throw NetlistError(at, name + ": more than " + std::to_string(maxInstances)
                                   + " subcircuit instances");
    const std::size_t nodeCount = end - 2;
    if (nodeCount != definition.pins.size())
        throw NetlistError(at, name + ": the subcircuit " + subcircuit + " has "
                                   + std::to_string(definition.pins.size()) + " pins, the line "
                                   + "connects " + std::to_string(nodeCount) + " nodes");

    Instance inner;
    inner.path = outer.path.empty() ? name : outer.path + "." + name;
    for (std::size_t i = 0; i < nodeCount; ++i)
        inner.pins[spiceLowerCase(definition.pins[i])] = nodeName(words[i + 1], outer);
    ParameterScope scope(*outer.scope, inner.path);
    for (const SpiceAssignment &parameter : definition.parameters)
        scope.define(parameter.name, std::string(expressionOf(parameter.value)), definition.line);
    for (const SpiceParameterLine &parameter : definition.body.parameters)
        scope.define(parameter.assignment.name, parameter.assignment.value, parameter.line);
    for (std::size_t i = assignments; i < words.size(); i += 3) {
        if (i + 2 >= words.size() || words[i + 1] != "=")
            throw NetlistError(at, name + ": " + words[i] + " is no assignment name=value");
        const bool declared
            = std::any_of(definition.parameters.begin(), definition.parameters.end(),
                          [&](const SpiceAssignment &parameter) {
                              return spiceLowerCase(parameter.name) == spiceLowerCase(words[i]);
                          });
        if (!declared)
            throw NetlistError(at, name + ": the subcircuit " + subcircuit + " has no parameter "
                                       + words[i]);
        scope.defineValue(words[i], outer.scope->evaluate(expressionOf(words[i + 2]), line.number));
    }
    inner.scope = &scope;
    m_active.push_back(&definition);
    expandBody(definition.body, inner);
    m_active.pop_back();
}

std::string SubcircuitExpander::nodeName(const std::string &name, const Instance &instance)
{
    const std::string lower = spiceLowerCase(name);
    if (isSpiceGround(lower))
        return "0";
    if (instance.path.empty() || m_deck.globalNodes.count(lower))
        return name;
    const auto pin = instance.pins.find(lower);
    if (pin != instance.pins.end())
        return pin->second;
    const std::string full = instance.path + "." + name;
    m_netlist.privateNodes.emplace(spiceLowerCase(full), SpiceNodeOrigin{name, instance.path});
    return full;
}

bool SubcircuitExpander::isOneNode(const std::string &a, const std::string &b) const
{
    return spiceLowerCase(a) == spiceLowerCase(b);
}

void SubcircuitExpander::add(SpiceElement element, const Instance &instance,
                             const std::set<std::string> &localNames)
{
    for (std::string &node : element.nodes)
        node = nodeName(node, instance);
    if (element.kind == 'E' || element.kind == 'G') {
        for (std::string &node : element.controlNodes)
            node = nodeName(node, instance);
    }
    if (!element.controlSource.empty() && !instance.path.empty()) {
        // A controlling source is looked for in the subcircuit first, then at the top.
        if (localNames.count(spiceLowerCase(element.controlSource)))
            element.controlSource = instance.path + "." + element.controlSource;
    }
    if (m_netlist.elements.size() >= SpiceParser::maxElements)
        throw NetlistError(element.location(),
                           "more than " + std::to_string(SpiceParser::maxElements) + " elements");
    m_netlist.elements.push_back(std::move(element));
}
