#include "sigsolution.h"

#include <tools/breaks.h>
#include <tools/listsums.h>
#include <tools/sampling.h>

#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/streamformat.h>

#include <algorithm>

SigSolution::~SigSolution() = default;

double SigSolution::value(double t) const
{
    return ListSums::sum(m_terms, [t](const FiltSigTerm &term) { return term.value(t); });
}

double SigSolution::leftValue(double t) const
{
    return ListSums::sum(
        m_terms, [t](const FiltSigTerm &term) { return term.delay() != t ? term.value(t) : 0.0; });
}

double SigSolution::slope(double t) const
{
    return ListSums::sum(m_terms, [t](const FiltSigTerm &term) { return term.slope(t); });
}

double SigSolution::highestFrequency(double t) const
{
    return ListSums::largest(m_terms,
                             [t](const FiltSigTerm &term) { return term.highestFrequency(t); });
}

double SigSolution::previousBreak(double t) const
{
    Breaks::Nearest nearest(t);
    for (const FiltSigTerm *term : m_terms)
        nearest.offer(term->delay());
    return nearest.below();
}

double SigSolution::nextBreak(double t) const
{
    Breaks::Nearest nearest(t);
    for (const FiltSigTerm *term : m_terms)
        nearest.offer(term->delay());
    return nearest.above();
}

void SigSolution::rangeScan(const Graphable &curve, double t, double t2, double dt, double &low,
                            double &high) const
{
    for (const FiltSigTerm *term : m_terms)
        Sampling::scanFrom(curve, scanStart(*term, t2), term->oversamplingCount(t, dt), t, t2, dt,
                           low, high);
}

double SigSolution::scanStart(const FiltSigTerm &term, double) const
{
    return term.delay();
}

void SigSolution::write(opstream &os) const
{
    os.writeWord32(static_cast<std::uint32_t>(m_terms.count()));
    for (const FiltSigTerm *term : m_terms)
        os.writePointer(term);
}

void SigSolution::read(ipstream &is, std::uint32_t)
{
    m_terms.clear();
    const std::uint32_t count = is.readCount(1);
    for (std::uint32_t i = 0; i < count && is.good(); ++i) {
        if (std::unique_ptr<FiltSigTerm> term = is.readOwnedPointer<FiltSigTerm>())
            m_terms.append(std::move(term));
    }
}
