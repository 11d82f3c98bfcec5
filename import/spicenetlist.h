#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// One element line of a SPICE netlist, with names as written.
struct SpiceElement
{
    // The element letter in upper case: R, C, L, V, I, E, G, F or H.
    char kind = 'R';
    std::string name;
    // The line of the netlist that holds the element (the first of its lines).
    int line = 0;
    // The first and the second node: n+ and n- of a source.
    std::array<std::string, 2> nodes;
    // E and G: the controlling node pair nc+ nc-.
    std::array<std::string, 2> controlNodes;
    // F and H: the voltage source whose current controls the element.
    std::string controlSource;
    // R, C, L: the value in ohm, farad or henry; E, G, F, H: the gain.
    double value = 0.0;
    // V and I: whether the line gives an AC magnitude, and that magnitude.
    bool hasAc = false;
    double acMagnitude = 0.0;
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

// What the import reads from a netlist: the title, the elements in the order of the lines, the
// analyses it can turn into tools with their outputs, and notes on what it left out.
struct SpiceNetlist
{
    std::string title;
    std::vector<SpiceElement> elements;
    std::optional<SpiceAcAnalysis> ac;
    std::optional<SpiceTranAnalysis> tran;
    std::vector<SpiceOutput> acOutputs;
    std::vector<SpiceOutput> tranOutputs;
    std::vector<std::string> notes;
};
