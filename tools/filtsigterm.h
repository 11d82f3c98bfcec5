#pragma once

#include <algebra/partfracfunc.h>

#include <common/tstreamablebase.h>

#include <memory>

class FactoredRatio;
class SigElement;

// The response of a transfer function to one signal element: the partial fractions of
// H(s)·E(s), delayed by the element's start time (the term is 0 before it).
class FiltSigTerm : public TStreamableBase
{
    ZENODYNE_STREAMABLE(FiltSigTerm, 1)

public:
    FiltSigTerm() = default;
    // The response to the element of the proper part of the transfer function h.
    FiltSigTerm(const SigElement &element, const FactoredRatio &h);
    FiltSigTerm(std::unique_ptr<PartFracFunc> fractions, double delay);
    ~FiltSigTerm() override;

    double value(double t) const;
    double slope(double t) const;
    // The largest angular frequency of the expansion once the term has started, else 0.
    double highestFrequency(double t) const;
    int oversamplingCount(double t, double dt) const;

    // The sums of value and slope over the repetitions of the term every period at t, t -
    // period, t - 2·period, ... down to start: the times before the delay contribute 0, and
    // with skipAtDelay a repetition that falls exactly on the delay is left out (the value
    // just before the term's break there).
    double repeatedValue(double t, double start, double period, bool skipAtDelay) const;
    double repeatedSlope(double t, double start, double period) const;

    double delay() const { return m_delay; }
    const PartFracFunc *fractions() const { return m_fractions.get(); }

private:
    double repeated(double t, double start, double period, bool skipAtDelay, bool slope) const;

    std::unique_ptr<PartFracFunc> m_fractions;
    double m_delay = 0.0;
};
