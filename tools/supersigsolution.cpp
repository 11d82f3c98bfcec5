#include "supersigsolution.h"

#include <tools/breaks.h>
#include <tools/listsums.h>
#include <tools/sampling.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>

SuperSigSolution::~SuperSigSolution() = default;

double SuperSigSolution::value(double t) const
{
    return ListSums::sum(m_parts, [t](const SigSolution &part) { return part.value(t); });
}

double SuperSigSolution::leftValue(double t) const
{
    return ListSums::sum(m_parts, [t](const SigSolution &part) { return part.leftValue(t); });
}

double SuperSigSolution::slope(double t) const
{
    return ListSums::sum(m_parts, [t](const SigSolution &part) { return part.slope(t); });
}

double SuperSigSolution::highestFrequency(double t) const
{
    return ListSums::largest(m_parts,
                             [t](const SigSolution &part) { return part.highestFrequency(t); });
}

void SuperSigSolution::range(double t, double t2, double dt, double &low, double &high) const
{
    low = high = value(t);
    for (const SigSolution *part : m_parts)
        part->rangeScan(*this, t, t2, dt, low, high);
    Sampling::widen(leftValue(t), low, high);
}

double SuperSigSolution::previousBreak(double t) const
{
    Breaks::Nearest nearest(t);
    for (const SigSolution *part : m_parts)
        nearest.offer(part->previousBreak(t));
    return nearest.below();
}

double SuperSigSolution::nextBreak(double t) const
{
    Breaks::Nearest nearest(t);
    for (const SigSolution *part : m_parts)
        nearest.offer(part->nextBreak(t));
    return nearest.above();
}

void SuperSigSolution::write(opstream &os) const
{
    os.writeWord32(static_cast<std::uint32_t>(m_parts.count()));
    for (const SigSolution *part : m_parts)
        os.writePointer(part);
}

void SuperSigSolution::read(ipstream &is, std::uint32_t)
{
    m_parts.clear();
    const std::uint32_t count = is.readCount(1);
    for (std::uint32_t i = 0; i < count && is.good(); ++i) {
        if (std::unique_ptr<SigSolution> part = is.readOwnedPointer<SigSolution>())
            m_parts.append(std::move(part));
    }
}
