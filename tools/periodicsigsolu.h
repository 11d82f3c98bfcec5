#pragma once

#include <tools/sigsolution.h>

// The response to a periodic signal: every element repeats every period from its own start,
// and the response at t sums the terms over all repetitions at t, t - period, ... that lie at
// or after the signal's start. A period that is not positive (a window of zero length) makes
// the solution behave as a non-periodic one.
class PeriodicSigSolu : public SigSolution
{
    ZENODYNE_STREAMABLE(PeriodicSigSolu, 1)

public:
    PeriodicSigSolu() = default;
    PeriodicSigSolu(double start, double period)
        : m_start(start)
        , m_period(period)
    {
    }

    double value(double t) const override;
    double leftValue(double t) const override;
    double slope(double t) const override;
    // Every repetition of every term's delay is a break.
    double previousBreak(double t) const override;
    double nextBreak(double t) const override;

    double start() const { return m_start; }
    double period() const { return m_period; }
    bool repeats() const;

protected:
    // The term's latest repetition before t2.
    double scanStart(const FiltSigTerm &term, double t2) const override;

private:
    double m_start = 0.0;
    double m_period = 0.0;
};
