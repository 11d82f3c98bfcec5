#pragma once

#include <model/circtag.h>

// Marks the voltage of its first point against its second.
class VoltageTag : public CircTag
{
    ZENODYNE_STREAMABLE(VoltageTag, 1)

public:
    const char *helpTopicTitle() const override { return "Voltage Tag"; }

protected:
    void drawMarker(DrawSurface &surface) const override;
};
