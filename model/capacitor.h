#pragma once

#include <model/passcomp.h>

// A capacitor: the symbol is two plates.
class Capacitor : public PassComp
{
    ZENODYNE_STREAMABLE(Capacitor, 1)

public:
    const UnitScale &units() const override { return UnitScale::capacitor(); }
    const char *helpTopicTitle() const override { return "Capacitor"; }
    TransRatioFunc impedance() const override;

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
};
