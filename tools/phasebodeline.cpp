#include "phasebodeline.h"

#include <tools/bpelemparam.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <cmath>

namespace {

constexpr double degreesPerRadian = 57.29577951308232;

} // namespace

// The phase is scaled on the right axis unless the user moves it.
PhaseBodeLine::PhaseBodeLine()
    : BodeLine(false)
{
}

double PhaseBodeLine::sampleValue(const FrequencyResponse &h) const
{
    // The scaled value keeps the angle where the double value underflows.
    const double a = h.scaled.mantissa().real();
    const double b = h.scaled.mantissa().imag();
    if (a == 0.0 && b == 0.0)
        return 0.0;
    const double phase = std::atan2(b, a);
    const bool degrees = element() && element()->phaseMode == BPElemParam::Degrees;
    return degrees ? phase * degreesPerRadian : phase;
}

ZENODYNE_BASE_RECORD(PhaseBodeLine, BodeLine)
