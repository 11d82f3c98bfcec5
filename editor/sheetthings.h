#pragma once

#include <model/tcircuitdocument.h>

// Visits every thing of a document as a CircThing: the components, then the tags, then the
// tools, each in list order (the order in which selection by point visits them).
template<typename Visit>
void forEachSheetThing(const TCircuitDocument &document, Visit visit)
{
    for (Component *component : document.components())
        visit(static_cast<CircThing &>(*component));
    for (CircTag *tag : document.tags())
        visit(static_cast<CircThing &>(*tag));
    for (CircTool *tool : document.tools())
        visit(static_cast<CircThing &>(*tool));
}
