#pragma once

#include <tools/bodeline.h>

// Im H.
class ImaginaryPartBodeLine : public BodeLine
{
    ZENODYNE_STREAMABLE(ImaginaryPartBodeLine, 1)

public:
    double sampleValue(const FrequencyResponse &h) const override { return h.value.imag(); }
};
