#pragma once

#include <import/netlisterror.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

// One element of a netlist, with names as written; an element of a subcircuit comes once per
// instance, its nodes named in the whole circuit.
struct SpiceElement
{
    // The element letter in upper case: R, C, L, V, I, E, G, F or H; W for a short between the
    // two nodes (a zero inductance), whose nodes the expansion joins into one.
    char kind = 'R';
    std::string name;
    // The path of the instance that holds the element ("X1.X2"), empty at the top.
    std::string instance;
    // The line of the netlist that holds the element (the first of its lines).
    int line = 0;
    // The first and the second node: n+ and n- of a source.
    std::array<std::string, 2> nodes;
    // E and G: the controlling node pair nc+ nc-.
    std::array<std::string, 2> controlNodes;
    // F and H: the SPICE name of the voltage source whose current controls the element.
    std::string controlSource;
    // R, C, L: the value in ohm, farad or henry; E, G, F, H: the gain.
    double value = 0.0;
    // V and I: whether the line gives an AC magnitude, and that magnitude.
    bool hasAc = false;
    double acMagnitude = 0.0;

    SpiceLocation location() const { return {line, instance}; }
    // The name SPICE gives it in the whole circuit: "R3", "X1.X2.R3".
    std::string spiceName() const { return instance.empty() ? name : instance + "." + name; }
};

// A node private to an instance: its name in the subcircuit and the instance's path.
struct SpiceNodeOrigin
{
    std::string name;
    std::string instance;
};

// A quantity named by .print, .plot or .probe: v(a), v(a,b) or i(X).
struct SpiceOutput
{
    int line = 0;
    char kind = 'v';
    std::array<std::string, 2> operands;
};

struct SpiceAcAnalysis
{
    int line = 0;
    double startFrequency = 0.0;
    double stopFrequency = 0.0;
};

struct SpiceTranAnalysis
{
    int line = 0;
    double stopTime = 0.0;
};

// What the import reads from a netlist: the title, the elements with every subcircuit
// expanded, in the order of the lines, the analyses it can turn into tools with their outputs,
// and notes on what it left out.
struct SpiceNetlist
{
    std::string title;
    std::vector<SpiceElement> elements;
    // The private nodes of the instances, by their names in the whole circuit in lower case
    // ("x1.n1").
    std::map<std::string, SpiceNodeOrigin> privateNodes;
    // Nodes joined into another one by a short: the node and the one it became ("0" for
    // ground).
    std::vector<std::pair<std::string, std::string>> joinedNodes;
    std::optional<SpiceAcAnalysis> ac;
    std::optional<SpiceTranAnalysis> tran;
    std::vector<SpiceOutput> acOutputs;
    std::vector<SpiceOutput> tranOutputs;
    std::vector<std::string> notes;
};
