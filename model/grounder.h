#pragma once

#include <model/component.h>

// A ground symbol: its first point joins the circuit's reference, the bars stand at the
// second point.
class Grounder : public Component
{
    ZENODYNE_STREAMABLE(Grounder, 1)

public:
    bool isConnector() const override { return true; }
    const char *helpTopicTitle() const override { return "Ground"; }

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
    void drawTerminals(DrawSurface &surface) const override;
};
