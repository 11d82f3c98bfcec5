#include "currsource.h"

#include <model/sourcesymbol.h>

#include <common/ipstream.h>
#include <common/opstream.h>

void CurrSource::drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const
{
    SourceSymbol::draw(surface, frame, SourceSymbol::Body::Circle, SourceSymbol::Mark::Arrow);
}

ZENODYNE_BASE_RECORD(CurrSource, IndepSource)
