#pragma once

#include <model/component.h>

// A ground symbol: its first point joins the circuit's reference, the bars stand at the
// second point.
class Grounder : public Component
{
    ZENODYNE_STREAMABLE(Grounder, 1)

public:
    bool isConnector() const override { return true; }
    // Shared by every ground symbol, so that all grounded nodes become one node.
    Point secondTerminal() const override { return Point{sharedGround, sharedGround}; }
    static constexpr std::int32_t sharedGround = -32000;
    const char *helpTopicTitle() const override { return "Ground"; }

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
    void drawTerminals(DrawSurface &surface) const override;
};
