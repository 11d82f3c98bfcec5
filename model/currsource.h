#pragma once

#include <model/indepsource.h>

// An independent current source.
class CurrSource : public IndepSource
{
    ZENODYNE_STREAMABLE(CurrSource, 1)

public:
    bool isCurrentSource() const override { return true; }
    const char *helpTopicTitle() const override { return "Current Source"; }

protected:
    void drawSymbol(DrawSurface &surface, const SymbolFrame &frame) const override;
};
