#pragma once

#include <model/depsource.h>

// A voltage source controlled by tags or independent sources.
class DepVoltSource : public DepSource
{
    ZENODYNE_STREAMABLE(DepVoltSource, 1)

public:
    bool isVoltageSource() const override { return true; }
    const char *helpTopicTitle() const override { return "Dependent Voltage Source"; }

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
};
