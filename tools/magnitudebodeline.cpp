#include "magnitudebodeline.h"

#include <tools/bpelemparam.h>

#include <algebra/complexarith.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <cmath>
#include <limits>

double MagnitudeBodeLine::sampleValue(const FrequencyResponse &h) const
{
    double magnitude = ComplexArith::modulus(h.value);
    const std::int32_t mode = element() ? element()->magnitudeMode : BPElemParam::TwentyLog;
    if (mode != BPElemParam::TenLog && mode != BPElemParam::TwentyLog)
        return magnitude;
    if (magnitude == 0.0) {
        const bool resolved = h.resolution > 0.0 && std::isfinite(h.resolution);
        magnitude = resolved ? h.resolution : std::numeric_limits<double>::min();
    }
    return (mode == BPElemParam::TenLog ? 10.0 : 20.0) * std::log10(magnitude);
}

ZENODYNE_BASE_RECORD(MagnitudeBodeLine, BodeLine)
