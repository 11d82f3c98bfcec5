#pragma once

#include <model/passcomp.h>

// An inductor: the symbol is a row of coil turns.
class Inductor : public PassComp
{
    ZENODYNE_STREAMABLE(Inductor, 1)

public:
    const UnitScale &units() const override { return UnitScale::inductor(); }
    const char *helpTopicTitle() const override { return "Inductor"; }
    TransRatioFunc impedance() const override;

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
};
