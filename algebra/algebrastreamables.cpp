#include "algebrastreamables.h"

#include <algebra/factoredratio.h>
#include <algebra/factpolynom.h>
#include <algebra/partfrac.h>
#include <algebra/partfracfunc.h>
#include <algebra/polynom.h>
#include <algebra/ratiofunc.h>
#include <algebra/root.h>

#include <common/tstreamableclass.h>

void registerAlgebraStreamables()
{
    TStreamableClass::add<Polynom>();
    TStreamableClass::add<RatioFunc>();
    TStreamableClass::add<Root>();
    TStreamableClass::add<FactPolynom>();
    TStreamableClass::add<PartFrac>();
    TStreamableClass::add<PartFracFunc>();
    TStreamableClass::add<FactoredRatio>();
}
