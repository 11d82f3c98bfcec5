#pragma once

#include <common/mptrarray.h>
#include <compile/branch.h>
#include <compile/endpoint.h>
#include <model/netlistnode.h>

#include <iosfwd>

// An electrical node candidate of the netlist: the positions joined into it, the components
// with exactly one terminal on it (their number is its degree) and, on essential nodes, the
// branches that start here (owned).
class CPoint final : public NetlistNode
{
public:
    MPtrArray<EndPoint> positions;
    MPtrArray<Component> components;
    MPtrArray<Branch> branches;
    bool isReference = false;
    bool isNodeOfInterest = false;
    bool isEssential = false;
    bool inSupernode = false;

    int degree() const override { return components.count(); }
    bool holds(const EndPoint *position) const { return positions.contains(position); }

    // The netlist's own node behind a circuit object's link; every node it links is a CPoint.
    static CPoint *of(NetlistNode *node) { return static_cast<CPoint *>(node); }
    static const CPoint *of(const NetlistNode *node) { return static_cast<const CPoint *>(node); }
};

// The diagnostic text form: counts on one line, the four flags on the next.
std::ostream &operator<<(std::ostream &stream, const CPoint &point);
