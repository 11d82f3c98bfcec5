#pragma once

#include <stdexcept>
#include <string>

// Where a netlist says something: the line, and the instance path ("X1.X2") when the line
// belongs to a subcircuit expanded there; line 0 stands for the netlist as a whole.
struct SpiceLocation
{
    int line = 0;
    std::string instance;

    // "line 4: ", "line 4 (in X1.X2): ", or "" for line 0.
    std::string prefix() const
    {
        if (line == 0)
            return {};
        return "line " + std::to_string(line) + (instance.empty() ? "" : " (in " + instance + ")")
               + ": ";
    }
};

// A netlist the import cannot turn into a circuit; the text names the line: "line 4: ...".
class NetlistError : public std::runtime_error
{
public:
    NetlistError(int line, const std::string &text)
        : NetlistError(SpiceLocation{line, {}}, text)
    {
    }
    NetlistError(const SpiceLocation &location, const std::string &text)
        : std::runtime_error(location.prefix() + text)
    {
    }
};
