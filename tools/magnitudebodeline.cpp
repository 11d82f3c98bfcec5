#include "magnitudebodeline.h"

#include <tools/bpelemparam.h>

#include <algebra/complexarith.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <cmath>
#include <limits>

double MagnitudeBodeLine::sampleValue(const FrequencyResponse &h) const
{
    const std::int32_t mode = element() ? element()->magnitudeMode : BPElemParam::TwentyLog;
    if (mode != BPElemParam::TenLog && mode != BPElemParam::TwentyLog)
        return ComplexArith::modulus(h.value);
    const double decibelFactor = mode == BPElemParam::TenLog ? 10.0 : 20.0;
    if (h.scaled.isZero()) {
        const bool resolved = h.resolution > 0.0 && std::isfinite(h.resolution);
        return decibelFactor
               * std::log10(resolved ? h.resolution : std::numeric_limits<double>::min());
    }
    // From the scaled value: a ladder's far end 10^-600 below its input is -12000 dB, not
    // the floor of the doubles.
    return decibelFactor
           * (std::log10(ComplexArith::modulus(h.scaled.mantissa()))
              + static_cast<double>(h.scaled.exponent()) * std::log10(2.0));
}

ZENODYNE_BASE_RECORD(MagnitudeBodeLine, BodeLine)
