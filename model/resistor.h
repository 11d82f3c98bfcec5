#pragma once

#include <model/passcomp.h>

// A resistor: the symbol is a zig-zag.
class Resistor : public PassComp
{
    ZENODYNE_STREAMABLE(Resistor, 1)

public:
    const UnitScale &units() const override { return UnitScale::resistor(); }
    const char *helpTopicTitle() const override { return "Resistor"; }
    TransRatioFunc impedance() const override;

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
};
