#include "voltsource.h"

#include <model/sourcesymbol.h>

#include <common/ipstream.h>
#include <common/opstream.h>

void VoltSource::drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const
{
    SourceSymbol::draw(surface, frame, SourceSymbol::Body::Circle, SourceSymbol::Mark::Polarity);
}

ZENODYNE_BASE_RECORD(VoltSource, IndepSource)
