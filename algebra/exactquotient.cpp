#include <algebra/exactquotient.h>

#include <algebra/termbound.h>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

int lowestNonZero(const TransPolynom &p)
{
    for (int i = 0; i <= p.degree(); ++i) {
        if (!p.coefficient(i).isZero())
            return i;
    }
    return -1;
}

int trueDegree(const TransPolynom &p)
{
    for (int i = p.degree(); i >= 0; --i) {
        if (!p.coefficient(i).isZero())
            return i;
    }
    return -1;
}

// The part of a dividend's coefficient that the quotient found so far leaves. Where the true
// part is zero (a quotient with a factor s, or a missing power) the rounded one is noise at the
// last digits of the largest term; measured against that term it is told from a true small
// coefficient and becomes zero, so that the quotient, a pivot of the elimination next, never
// holds noise that a later division would take for a coefficient and divide by.
class RemainderSum
{
public:
    explicit RemainderSum(const transDouble &start)
        : m_sum(start)
        , m_largestPoint(start.isZero() ? noTerm : start.point())
    {
    }

    void subtract(const transDouble &term)
    {
        if (term.isZero())
            return;
        m_largestPoint = std::max(m_largestPoint, term.point());
        m_sum -= term;
    }

    transDouble value() const
    {
        return TermBound::isRoundingNoise(m_sum, m_largestPoint) ? transDouble::zero() : m_sum;
    }

private:
    static constexpr std::int32_t noTerm = std::numeric_limits<std::int32_t>::min() / 2;

    transDouble m_sum;
    std::int32_t m_largestPoint;
};

} // namespace

TransPolynom exactQuotient(const TransPolynom &a, const TransPolynom &b)
{
    TransPolynom quotient;
    const int shift = lowestNonZero(b);
    const int aTop = trueDegree(a);
    const int bTop = trueDegree(b);
    if (shift < 0 || aTop < bTop) {
        quotient.setZero();
        return quotient;
    }
    // Both divided by s^shift: the divisor's constant term is then non-zero.
    const auto aAt = [&](int i) -> const transDouble & { return a.coefficient(i + shift); };
    const auto bAt = [&](int i) -> const transDouble & { return b.coefficient(i + shift); };
    const int bDegree = bTop - shift;
    const int qDegree = aTop - bTop;
    quotient.coefficientAt(qDegree);
    const int lowCount = (qDegree + 2) / 2;

    const transDouble lowInverse = bAt(0).reciprocal();
    for (int i = 0; i < lowCount; ++i) {
        RemainderSum sum(aAt(i));
        for (int j = 1; j <= std::min(i, bDegree); ++j)
            sum.subtract(bAt(j) * quotient.coefficient(i - j));
        quotient.coefficientAt(i) = sum.value() * lowInverse;
    }
    const transDouble highInverse = bAt(bDegree).reciprocal();
    for (int i = qDegree; i >= lowCount; --i) {
        RemainderSum sum(aAt(i + bDegree));
        for (int j = i + 1; j <= std::min(qDegree, i + bDegree); ++j)
            sum.subtract(quotient.coefficient(j) * bAt(i + bDegree - j));
        quotient.coefficientAt(i) = sum.value() * highInverse;
    }
    return quotient;
}
