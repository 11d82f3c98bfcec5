#include "periodicsigsolu.h"

#include <tools/breaks.h>
#include <tools/listsums.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <cmath>

bool PeriodicSigSolu::repeats() const
{
    return m_period > 0.0 && std::isfinite(m_period);
}

double PeriodicSigSolu::value(double t) const
{
    if (!repeats())
        return SigSolution::value(t);
    return ListSums::sum(terms(), [&](const FiltSigTerm &term) {
        return term.repeatedValue(t, m_start, m_period, false);
    });
}

double PeriodicSigSolu::leftValue(double t) const
{
    if (!repeats())
        return SigSolution::leftValue(t);
    return ListSums::sum(terms(), [&](const FiltSigTerm &term) {
        return term.repeatedValue(t, m_start, m_period, true);
    });
}

double PeriodicSigSolu::slope(double t) const
{
    if (!repeats())
        return SigSolution::slope(t);
    return ListSums::sum(
        terms(), [&](const FiltSigTerm &term) { return term.repeatedSlope(t, m_start, m_period); });
}

// The repetitions d + k·period (k >= 0) of each delay d nearest to t on either side, found
// from the quotient and settled on the times themselves.
double PeriodicSigSolu::previousBreak(double t) const
{
    if (!repeats())
        return SigSolution::previousBreak(t);
    Breaks::Nearest nearest(t);
    for (const FiltSigTerm *term : terms()) {
        const double d = term->delay();
        if (!(d < t))
            continue;
        double k = std::ceil((t - d) / m_period) - 1;
        if (k > 0 && d + k * m_period >= t)
            --k;
        if (d + (k + 1) * m_period < t)
            ++k;
        nearest.offer(d + k * m_period);
    }
    return nearest.below();
}

double PeriodicSigSolu::nextBreak(double t) const
{
    if (!repeats())
        return SigSolution::nextBreak(t);
    Breaks::Nearest nearest(t);
    for (const FiltSigTerm *term : terms()) {
        const double d = term->delay();
        if (d > t) {
            nearest.offer(d);
            continue;
        }
        double k = std::floor((t - d) / m_period) + 1;
        if (d + k * m_period <= t)
            ++k;
        if (k > 1 && d + (k - 1) * m_period > t)
            --k;
        nearest.offer(d + k * m_period);
    }
    return nearest.above();
}

double PeriodicSigSolu::scanStart(const FiltSigTerm &term, double t2) const
{
    const double d = term.delay();
    if (repeats() && m_period < t2 - d)
        return std::floor((t2 - d) / m_period) * m_period + d;
    return d;
}

void PeriodicSigSolu::write(opstream &os) const
{
    os.writeBaseOf<SigSolution>(*this);
    os.writeDouble(m_start);
    os.writeDouble(m_period);
}

void PeriodicSigSolu::read(ipstream &is, std::uint32_t)
{
    is.readBaseOf<SigSolution>(*this);
    m_start = is.readDouble();
    m_period = is.readDouble();
}
