#pragma once

#include <common/mptrarray.h>
#include <compile/branch.h>
#include <compile/cpoint.h>

// A supernode: essential nodes joined by branches made only of voltage sources, in the order
// they were reached, with the joining branches (owned), one per node after the first.
class SNode
{
public:
    MPtrArray<CPoint> cpoints;
    MPtrArray<Branch> branches;

    bool holds(const CPoint *point) const { return cpoints.contains(point); }
    bool holdsReference() const;
};
