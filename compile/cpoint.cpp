#include "cpoint.h"

#include <ostream>

std::ostream &operator<<(std::ostream &stream, const CPoint &point)
{
    stream << "CP: EndPts:" << point.positions.count() << " Comps:" << point.degree()
           << " Branches:" << point.branches.count() << "\n";
    stream << "    RN:" << int(point.isReference) << " NOI:" << int(point.isNodeOfInterest)
           << " ESS:" << int(point.isEssential) << " INSN:" << int(point.inSupernode) << "\n";
    return stream;
}
