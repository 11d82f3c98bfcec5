#pragma once

#include <import/spicenamemap.h>

#include <string>
#include <string_view>

// An output equation with SPICE's output names in it, "V(out)", "V(a,b)", "I(R1)",
// "I(X1.R3)", turned into one over the sheet's tags through the names the import gave
// (SpiceNameMap): V(out) becomes out's tag, V(a,b) "(Va-Vb)", node 0 or gnd 0, I(X) the current
// tag of X. V and I in either case, standing as names of their own and followed by "(", are
// taken for SPICE's; everything else of the equation stays as it is.
struct SpiceOutputSyntax
{
    std::string equation;
    // Why the equation could not be turned, empty when it was.
    std::string error;

    static SpiceOutputSyntax translate(std::string_view equation, const SpiceNameMap &names);
};
