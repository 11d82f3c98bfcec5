#include "snode.h"

bool SNode::holdsReference() const
{
    for (const CPoint *point : cpoints) {
        if (point->isReference)
            return true;
    }
    return false;
}
