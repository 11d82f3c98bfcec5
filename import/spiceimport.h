#pragma once

#include <import/spicenamemap.h>

#include <string>
#include <string_view>
#include <vector>

class TCircuitDocument;

// The outcome of a netlist import: the error that stopped it ("line N: ...", empty when it
// succeeded), notes on what the sheet leaves out, and the names the netlist's elements and
// nodes got on the sheet.
struct SpiceImportResult
{
    std::string error;
    std::vector<std::string> notes;
    SpiceNameMap names;

    bool ok() const { return error.empty(); }
};

// Draws the circuit of a SPICE netlist, with its tags and the tools of its analyses, on an
// empty document. Every check runs before the first thing is placed, so a failed import leaves
// the document as it was.
SpiceImportResult importSpiceNetlist(std::string_view text, TCircuitDocument &document);
