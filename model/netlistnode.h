#pragma once

// A node of the compile's netlist as the circuit objects see it: they only need to know how
// many components meet there, to tell an open terminal from a connected one.
class NetlistNode
{
public:
    // The number of components with exactly one terminal on the node.
    virtual int degree() const = 0;

protected:
    NetlistNode() = default;
    ~NetlistNode() = default;
};
