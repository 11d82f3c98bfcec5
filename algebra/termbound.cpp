#include "termbound.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int32_t noTerm = std::numeric_limits<std::int32_t>::min() / 2;

} // namespace

TermBound TermBound::of(const TransPolynom &p)
{
    TermBound bound;
    bound.m_points.assign(static_cast<std::size_t>(std::max(p.degree(), 0) + 1), noTerm);
    for (int k = 0; k <= p.degree(); ++k) {
        const transDouble &c = p.coefficient(k);
        if (!c.isZero())
            bound.m_points[static_cast<std::size_t>(k)] = c.point();
    }
    return bound;
}

TermBound TermBound::ofProduct(const TransPolynom &a, const TransPolynom &b)
{
    TermBound bound;
    bound.m_points.assign(
        static_cast<std::size_t>(std::max(a.degree(), 0) + std::max(b.degree(), 0) + 1), noTerm);
    for (int i = 0; i <= a.degree(); ++i) {
        const transDouble &ai = a.coefficient(i);
        if (ai.isZero())
            continue;
        for (int j = 0; j <= b.degree(); ++j) {
            const transDouble &bj = b.coefficient(j);
            if (!bj.isZero()) {
                std::int32_t &k = bound.m_points[static_cast<std::size_t>(i + j)];
                k = std::max(k, ai.point() + bj.point());
            }
        }
    }
    return bound;
}

void TermBound::widen(const TermBound &other)
{
    if (m_points.size() < other.m_points.size())
        m_points.resize(other.m_points.size(), noTerm);
    for (std::size_t k = 0; k < other.m_points.size(); ++k)
        m_points[k] = std::max(m_points[k], other.m_points[k]);
}

bool TermBound::dropRoundingNoise(TransPolynom &value, std::int32_t lostDigits) const
{
    const std::int32_t precision = transDouble::workPrecision();
    return dropBelow(value, std::max(precision - roundingGuardDigits - lostDigits, precision / 4));
}

bool TermBound::isRoundingNoise(const transDouble &value, std::int32_t largestTermPoint)
{
    return !value.isZero()
           && value.point()
                  < largestTermPoint - (transDouble::workPrecision() - roundingGuardDigits);
}

bool TermBound::dropResidualNoise(TransPolynom &value) const
{
    return dropBelow(value, transDouble::workPrecision() / 2);
}

bool TermBound::dropBelow(TransPolynom &value, std::int32_t margin) const
{
    bool dropped = false;
    for (int k = 0; k <= value.degree(); ++k) {
        transDouble &c = value.coefficientAt(k);
        if (c.isZero())
            continue;
        const std::int32_t largest = static_cast<std::size_t>(k) < m_points.size()
                                         ? m_points[static_cast<std::size_t>(k)]
                                         : noTerm;
        if (c.point() < largest - margin) {
            c = transDouble::zero();
            dropped = true;
        }
    }
    value.strip();
    return dropped;
}
