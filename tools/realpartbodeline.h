#pragma once

#include <tools/bodeline.h>

// Re H.
class RealPartBodeLine : public BodeLine
{
    ZENODYNE_STREAMABLE(RealPartBodeLine, 1)

public:
    double sampleValue(const FrequencyResponse &h) const override { return h.value.real(); }
};
