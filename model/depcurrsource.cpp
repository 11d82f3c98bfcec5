#include "depcurrsource.h"

#include <model/sourcesymbol.h>

#include <common/ipstream.h>
#include <common/opstream.h>

void DepCurrSource::drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const
{
    SourceSymbol::draw(surface, frame, SourceSymbol::Body::Diamond, SourceSymbol::Mark::Arrow);
}

ZENODYNE_BASE_RECORD(DepCurrSource, DepSource)
