#include "sigsolution.h"

#include <tools/breaks.h>
#include <tools/sampling.h>

#include <common/ipstream.h>
#include <common/opstream.h>
#include <common/streamformat.h>

#include <algorithm>

SigSolution::~SigSolution() = default;

double SigSolution::value(double t) const
{
    double sum = 0.0;
    for (const FiltSigTerm *term : m_terms)
        sum += term->value(t);
    return sum;
}

double SigSolution::leftValue(double t) const
{
    double sum = 0.0;
    for (const FiltSigTerm *term : m_terms) {
        if (term->delay() != t)
            sum += term->value(t);
    }
    return sum;
}

double SigSolution::slope(double t) const
{
    double sum = 0.0;
    for (const FiltSigTerm *term : m_terms)
        sum += term->slope(t);
    return sum;
}

double SigSolution::highestFrequency(double t) const
{
    double highest = 0.0;
    for (const FiltSigTerm *term : m_terms)
        highest = std::max(highest, term->highestFrequency(t));
    return highest;
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
