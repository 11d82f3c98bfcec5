#pragma once

#include <import/spicenetlist.h>

#include <string_view>

// Reads the SPICE subset that maps onto a circuit sheet: the title line; R, C and L; the
// independent sources V and I; the controlled sources E, G, F and H; subcircuits (.subckt ...
// .ends) and their instances X, expanded to any depth; .param, .global; comments (lines
// starting with *, tails after ; or $), continuation lines (+) and .end. The analyses .ac and
// .tran and the outputs of .print, .plot and .probe are kept for the tools; other dot-commands
// are left out with a note. Anything the subset cannot express is a NetlistError naming the
// line, and so is a netlist without elements.
class SpiceParser
{
public:
    // The most elements a netlist may hold, subcircuits expanded: the sheet gives each its own
    // column.
    static constexpr int maxElements = 4000;

    static SpiceNetlist parse(std::string_view text);
};
