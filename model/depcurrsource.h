#pragma once

#include <model/depsource.h>

// A current source controlled by tags or independent sources.
class DepCurrSource : public DepSource
{
    ZENODYNE_STREAMABLE(DepCurrSource, 1)

public:
    bool isCurrentSource() const override { return true; }
    const char *helpTopicTitle() const override { return "Dependent Current Source"; }

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
};
