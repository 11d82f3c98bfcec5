#pragma once

#include <stdexcept>
#include <string>

// A netlist the import cannot turn into a circuit; the text names the line: "line 4: ...".
class NetlistError : public std::runtime_error
{
public:
    NetlistError(int line, const std::string &text)
        : std::runtime_error("line " + std::to_string(line) + ": " + text)
    {
    }
};
