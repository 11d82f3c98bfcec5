#pragma once

#include <string>
#include <string_view>
#include <vector>

class TCircuitDocument;

// The outcome of a netlist import: the error that stopped it ("line N: ...", empty when it
// succeeded) and notes on what the sheet leaves out.
struct SpiceImportResult
{
    std::string error;
    std::vector<std::string> notes;

    bool ok() const { return error.empty(); }
};

// Draws the circuit of a SPICE netlist, with its tags and the tools of its analyses, on an
// empty document. Every check runs before the first thing is placed, so a failed import leaves
// the document as it was.
SpiceImportResult importSpiceNetlist(std::string_view text, TCircuitDocument &document);
