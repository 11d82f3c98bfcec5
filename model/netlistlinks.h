#pragma once

#include <model/fwd.h>
#include <model/netlistnode.h>

// Where the compile's netlist put a component or tag: the end points of its first and second
// terminal (opaque to the circuit objects) and the nodes they belong to. The netlist owns the
// objects; they are null while no netlist exists, and are never stored.
struct NetlistLinks
{
    EndPoint *end1 = nullptr;
    EndPoint *end2 = nullptr;
    NetlistNode *cp1 = nullptr;
    NetlistNode *cp2 = nullptr;

    void clearNetlistLinks()
    {
        end1 = nullptr;
        end2 = nullptr;
        cp1 = nullptr;
        cp2 = nullptr;
    }
};
