#pragma once

#include <tools/filtsigterm.h>

#include <common/mptrarray.h>
#include <common/tstreamablebase.h>

#include <memory>

class Graphable;

// The response to one signal: one term per signal element, summed. The breaks are the
// terms' delays.
class SigSolution : public TStreamableBase
{
    ZENODYNE_STREAMABLE(SigSolution, 1)

public:
    SigSolution() = default;
    ~SigSolution() override;

    virtual double value(double t) const;
    // The sum over the terms whose delay is not t.
    virtual double leftValue(double t) const;
    virtual double slope(double t) const;
    virtual double highestFrequency(double t) const;
    virtual double previousBreak(double t) const;
    virtual double nextBreak(double t) const;
    // Widens low and high by the values of the whole curve (the caller's sum of solutions)
    // that the terms make visible in [t, t2): oscillations and breaks inside the column.
    virtual void rangeScan(const Graphable &curve, double t, double t2, double dt, double &low,
                           double &high) const;

    void addTerm(std::unique_ptr<FiltSigTerm> term) { m_terms.append(std::move(term)); }
    const MPtrArray<FiltSigTerm> &terms() const { return m_terms; }

protected:
    // Where the range scan looks for the term's start within a column ending at t2.
    virtual double scanStart(const FiltSigTerm &term, double t2) const;

private:
    MPtrArray<FiltSigTerm> m_terms;
};
