#include "filtsigterm.h"

#include <tools/repeatedresponse.h>
#include <tools/sampling.h>
#include <tools/sigelement.h>

#include <algebra/factoredratio.h>
#include <algebra/factpolynom.h>
#include <algebra/polynom.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cmath>

namespace {

// Up to this many repetitions are summed one by one, exactly as they fall.
constexpr std::uint64_t plainRepetitions = 8;
// Beyond 2^53 repetitions the times of neighbouring repetitions are no longer told apart.
constexpr double maxRepetitions = 9007199254740992.0;

} // namespace

// E(s) = Ne / Pe and H(s) = K Π (s - z) / Ph give Ne·K Π (s - z) over the pole entries of both
// lists; a pole in both is joined into one of the summed order by the expansion.
FiltSigTerm::FiltSigTerm(const SigElement &element, const FactoredRatio &h)
    : m_fractions(std::make_unique<PartFracFunc>())
    , m_delay(element.startTime())
{
    Polynom elementNumerator(0.0);
    FactPolynom allPoles;
    element.transform(elementNumerator, allPoles);
    for (const Root &pole : h.poles().roots())
        allPoles.append(pole);
    m_fractions->expand(elementNumerator, h.gain(), h.zeros(), allPoles);
}

FiltSigTerm::FiltSigTerm(std::unique_ptr<PartFracFunc> fractions, double delay)
    : m_fractions(std::move(fractions))
    , m_delay(delay)
{
}

FiltSigTerm::~FiltSigTerm() = default;

double FiltSigTerm::value(double t) const
{
    return m_fractions ? m_fractions->response(t - m_delay) : 0.0;
}

double FiltSigTerm::slope(double t) const
{
    return m_fractions ? m_fractions->responseSlope(t - m_delay) : 0.0;
}

double FiltSigTerm::highestFrequency(double t) const
{
    return t < m_delay || !m_fractions ? 0.0 : m_fractions->largestImaginaryPart();
}

int FiltSigTerm::oversamplingCount(double t, double dt) const
{
    if (!m_fractions)
        return 0;
    return Sampling::oversamplingCount(m_delay, m_fractions->largestImaginaryPart(), t, dt);
}

double FiltSigTerm::repeatedValue(double t, double start, double period, bool skipAtDelay) const
{
    return repeated(t, start, period, skipAtDelay, false);
}

double FiltSigTerm::repeatedSlope(double t, double start, double period) const
{
    return repeated(t, start, period, false, true);
}

// Repetition k falls at x = t - k·period and counts while x >= start; it contributes the
// response at x - delay, which is 0 before the delay. So the count is the number of k with
// x >= max(start, delay), and the latest repetition is the one with the smallest x.
double FiltSigTerm::repeated(double t, double start, double period, bool skipAtDelay,
                             bool slope) const
{
    if (!m_fractions)
        return 0.0;
    const double lowest = std::max(start, m_delay);
    if (!(t >= lowest))
        return 0.0;
    const double whole = std::floor((t - lowest) / period);
    auto count = static_cast<std::uint64_t>(std::min(whole, maxRepetitions)) + 1;
    // The division may round across a repetition: settle the count on the times themselves.
    while (count > 1 && t - static_cast<double>(count - 1) * period < lowest)
        --count;
    while (static_cast<double>(count) < maxRepetitions
           && t - static_cast<double>(count) * period >= lowest)
        ++count;
    const auto at = [&](std::uint64_t k) { return t - static_cast<double>(k) * period; };
    if (skipAtDelay && at(count - 1) == m_delay)
        --count; // the latest repetition starts exactly at t
    if (count <= plainRepetitions) {
        double sum = 0.0;
        for (std::uint64_t k = 0; k < count; ++k)
            sum += slope ? this->slope(at(k)) : value(at(k));
        return sum;
    }
    return RepeatedResponse::sum(*m_fractions, at(count - 1) - m_delay, period, count, slope);
}

void FiltSigTerm::write(opstream &os) const
{
    os.writePointer(m_fractions.get());
    os.writeDouble(m_delay);
}

void FiltSigTerm::read(ipstream &is, std::uint32_t)
{
    m_fractions = is.readOwnedPointer<PartFracFunc>();
    m_delay = is.readDouble();
}
