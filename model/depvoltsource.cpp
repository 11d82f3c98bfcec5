#include "depvoltsource.h"

#include <model/sourcesymbol.h>

#include <common/ipstream.h>
#include <common/opstream.h>

void DepVoltSource::drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const
{
    SourceSymbol::draw(surface, frame, SourceSymbol::Body::Diamond, SourceSymbol::Mark::Polarity);
}

ZENODYNE_BASE_RECORD(DepVoltSource, DepSource)
