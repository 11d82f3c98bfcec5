#pragma once

#include <tools/graph/graphable.h>
#include <tools/sigsolution.h>

#include <common/mptrarray.h>
#include <common/tstreamablebase.h>

#include <memory>

// The response of one output to the signals at several sources: the sum of one solution per
// source. It is the curve the time plot samples and its markers search.
class SuperSigSolution : public TStreamableBase, public Graphable
{
    ZENODYNE_STREAMABLE(SuperSigSolution, 1)

public:
    SuperSigSolution() = default;
    ~SuperSigSolution() override;

    double value(double t) const override;
    double leftValue(double t) const override;
    double slope(double t) const override;
    double highestFrequency(double t) const override;
    // low = high = value(t), widened by what every part's scan finds in [t, t2) on this sum
    // and by the value just before t.
    void range(double t, double t2, double dt, double &low, double &high) const override;
    double previousBreak(double t) const override;
    double nextBreak(double t) const override;

    void add(std::unique_ptr<SigSolution> part) { m_parts.append(std::move(part)); }
    const MPtrArray<SigSolution> &parts() const { return m_parts; }

private:
    MPtrArray<SigSolution> m_parts;
};
