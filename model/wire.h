#pragma once

#include <model/component.h>

// A connection: both terminals belong to one node.
class Wire : public Component
{
    ZENODYNE_STREAMABLE(Wire, 1)

public:
    bool isConnector() const override { return true; }
    const char *helpTopicTitle() const override { return "Wire"; }

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
};
