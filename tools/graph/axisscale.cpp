#include "axisscale.h"

#include <algorithm>
#include <cmath>

namespace {

// The largest number of ticks ever placed, whatever the range.
constexpr int tickLimit = 1000;
// Values this close to a whole multiple of the step count as that multiple.
constexpr double multipleTolerance = 1e-9;

// Step number i of the sequence 1, 2, 2.5, 5, 10, 20, 25, 50, ...: mantissa i mod 4 times
// 10^(i div 4).
struct Step
{
    double mantissa;
    int decade;

    double value() const { return times(1.0); }
    // m whole steps; below 1 a division by the power of ten, so that 3 × 0.2 is 0.6.
    double times(double m) const
    {
        return decade >= 0 ? m * mantissa * std::pow(10.0, decade)
                           : m * mantissa / std::pow(10.0, -decade);
    }
};

Step stepAt(int i)
{
    static constexpr double mantissas[] = {1.0, 2.0, 2.5, 5.0};
    const int decade = i >= 0 ? i / 4 : -((-i + 3) / 4);
    return {mantissas[i - 4 * decade], decade};
}

double snapped(double q)
{
    const double whole = std::round(q);
    return std::abs(q - whole) < multipleTolerance ? whole : q;
}

// The whole multiples k of the step for the first and the last tick.
struct Multiples
{
    double first;
    double last;
    double count() const { return last - first + 1; }
};

Multiples multiplesOf(double step, double low, double high, bool extend)
{
    const double lo = snapped(low / step);
    const double hi = snapped(high / step);
    return extend ? Multiples{std::floor(lo), std::ceil(hi)}
                  : Multiples{std::ceil(lo), std::floor(hi)};
}

} // namespace

AxisScale AxisScale::widened(double low, double high)
{
    if (!std::isfinite(low) || !std::isfinite(high))
        return none();
    if (high < low)
        std::swap(low, high);
    if (low == high) {
        low -= 1.0;
        high += 1.0;
    }
    const double magnitude = std::max(std::abs(low), std::abs(high));
    if (high - low < 1e-7 * magnitude) {
        const double centre = low / 2 + high / 2;
        low = centre - 0.1 * std::abs(centre);
        high = centre + 0.1 * std::abs(centre);
    }
    if (!std::isfinite(high - low))
        return none();
    return {low, high, {}};
}

void AxisScale::placeLinearTicks(int maxTicks, bool extend)
{
    ticks.clear();
    if (isEmpty())
        return;
    const int start = 4 * static_cast<int>(std::floor(std::log10(span())));
    int i = start;
    while (multiplesOf(stepAt(i).value(), low, high, extend).count() < 3 && i > start - 12)
        --i;
    while (multiplesOf(stepAt(i).value(), low, high, extend).count() > maxTicks && i < start + 400
           && multiplesOf(stepAt(i + 1).value(), low, high, extend).count() >= 3)
        ++i;
    const Step step = stepAt(i);
    Multiples k = multiplesOf(step.value(), low, high, extend);
    if (extend) {
        low = std::min(low, step.times(k.first));
        high = std::max(high, step.times(k.last));
    }
    k.last = std::min(k.last, k.first + tickLimit - 1);
    // Adding zero makes a tick at -0 (the first multiple of a range that starts below 0) the
    // 0 that its label shows.
    for (double m = k.first; m <= k.last; ++m)
        ticks.push_back(step.times(m) + 0.0);
}

void AxisScale::placeDecadeTicks()
{
    ticks.clear();
    if (isEmpty())
        return;
    const double first = std::ceil(snapped(low));
    const double last = std::min(std::floor(snapped(high)), first + tickLimit - 1);
    for (double d = first; d <= last; ++d)
        ticks.push_back(d);
}
