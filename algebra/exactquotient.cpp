#include <algebra/exactquotient.h>

#include <algebra/exactcomplex.h>
#include <algebra/termbound.h>

#include <algorithm>
#include <cmath>
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

TransPolynom exactQuotient(const TransPolynom &a, const TransPolynom &b, int *lostDigits)
{
    if (lostDigits)
        *lostDigits = 0;
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
    // The quotient's powers below the dividend's lowest one (less the divisor's) are zero; the
    // halves split its powers from there, so that the two recurrences meet amid its non-zero
    // coefficients and not on a zero one, which the check below would measure against noise.
    const int qLowest = std::min(std::max(lowestNonZero(a) - shift, 0), qDegree);
    const int lowCount = qLowest + (qDegree - qLowest + 2) / 2;

    const transDouble lowInverse = bAt(0).reciprocal();
    const auto fromBelow = [&](int i) {
        RemainderSum sum(aAt(i));
        for (int j = 1; j <= std::min(i, bDegree); ++j)
            sum.subtract(bAt(j) * quotient.coefficient(i - j));
        return sum.value() * lowInverse;
    };
    for (int i = qLowest; i < lowCount; ++i)
        quotient.coefficientAt(i) = fromBelow(i);
    const bool checked = lostDigits && lowCount <= qDegree;
    const transDouble lowerMeeting = checked ? fromBelow(lowCount) : transDouble::zero();
    const transDouble highInverse = bAt(bDegree).reciprocal();
    for (int i = qDegree; i >= lowCount; --i) {
        RemainderSum sum(aAt(i + bDegree));
        for (int j = i + 1; j <= std::min(qDegree, i + bDegree); ++j)
            sum.subtract(quotient.coefficient(j) * bAt(i + bDegree - j));
        quotient.coefficientAt(i) = sum.value() * highInverse;
    }
    if (checked) {
        const transDouble &upperMeeting = quotient.coefficient(lowCount);
        const transDouble difference = upperMeeting - lowerMeeting;
        if (!difference.isZero()) {
            // Measured against the coefficient, or where it is truly zero (one side took the
            // other's rounding for noise) against the mean size of its neighbours.
            double size = std::max(logBase256(upperMeeting), logBase256(lowerMeeting));
            const transDouble &below = quotient.coefficient(lowCount - 1);
            const transDouble &above = quotient.coefficient(lowCount + 1);
            if (!below.isZero() && !above.isZero())
                size = std::max(size, (logBase256(below) + logBase256(above)) / 2.0);
            const double agreeing = size - logBase256(difference);
            *lostDigits
                = std::max(0, static_cast<int>(std::ceil(transDouble::workPrecision() - agreeing)));
        }
    }
    return quotient;
}
