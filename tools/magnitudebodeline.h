#pragma once

#include <tools/bodeline.h>

// 20·log10|H|, 10·log10|H| or |H| by the element's magnitude mode, the logarithms of the
// scaled value. A zero |H| has no
// logarithm: it is taken as the resolution of the evaluation there (see FrequencyResponse),
// or as the smallest normal double where that is 0 (a ratio 0 / 1), so that the curve shows
// a finite notch as deep as the arithmetic can tell.
class MagnitudeBodeLine : public BodeLine
{
    ZENODYNE_STREAMABLE(MagnitudeBodeLine, 1)

public:
    double sampleValue(const FrequencyResponse &h) const override;
};
