#pragma once

#include <import/spicelines.h>

#include <map>
#include <set>
#include <string>
#include <vector>

// A .param assignment and its line.
struct SpiceParameterLine
{
    int line = 0;
    SpiceAssignment assignment;
};

// The element lines (X instances among them) and .param lines of the netlist's top or of a
// subcircuit.
struct SpiceBody
{
    std::vector<SpiceLine> elements;
    std::vector<SpiceParameterLine> parameters;
};

// ".subckt NAME pins... [params:] [k=v ...]" ... ".ends".
struct SubcircuitDefinition
{
    std::string name;
    int line = 0;
    std::vector<std::string> pins;
    std::vector<SpiceAssignment> parameters;
    SpiceBody body;
};

// A netlist as read, before its subcircuits are expanded: the top, the subcircuits by their
// names in lower case, and the nodes that .global makes the same in every instance.
struct SpiceDeck
{
    SpiceBody top;
    std::map<std::string, SubcircuitDefinition> subcircuits;
    std::set<std::string> globalNodes;
};
