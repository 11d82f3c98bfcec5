#pragma once

#include <model/indepsource.h>

// An independent voltage source.
class VoltSource : public IndepSource
{
    ZENODYNE_STREAMABLE(VoltSource, 1)

public:
    bool isVoltageSource() const override { return true; }
    const char *helpTopicTitle() const override { return "Voltage Source"; }

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
};
