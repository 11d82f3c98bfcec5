#pragma once

#include <tools/bodeline.h>

// atan2(Im H, Re H) in (-π, π], not unwrapped, in radians or degrees by the element's phase
// mode; 0 where H is 0.
class PhaseBodeLine : public BodeLine
{
    ZENODYNE_STREAMABLE(PhaseBodeLine, 1)

public:
    PhaseBodeLine();
    double sampleValue(const FrequencyResponse &h) const override;
};
