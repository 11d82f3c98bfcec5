#include <algebra/transpolynom.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>

TransPolynom::TransPolynom(std::initializer_list<transDouble> coefficients)
{
    for (const transDouble &value : coefficients)
        m_coefficients.append(value);
}

void TransPolynom::setConstant(const transDouble &value)
{
    m_coefficients.clear();
    m_coefficients.append(value);
}

void TransPolynom::setZero()
{
    setConstant(transDouble::zero());
}

const transDouble &TransPolynom::coefficient(int power) const
{
    if (power < 0 || power > degree())
        return transDouble::zero();
    return m_coefficients[power];
}

TransPolynom operator+(const TransPolynom &a, const TransPolynom &b)
{
    const bool bIsHigher = b.degree() > a.degree();
    const TransPolynom &higher = bIsHigher ? b : a;
    const TransPolynom &lower = bIsHigher ? a : b;
    TransPolynom result(higher);
    result.coefficientAt(0);
    for (int i = 0; i <= lower.degree(); ++i)
        result.m_coefficients[i] += lower.m_coefficients[i];
    return result;
}

TransPolynom operator-(const TransPolynom &a, const TransPolynom &b)
{
    TransPolynom result(a);
    result.coefficientAt(0);
    for (int i = 0; i <= b.degree(); ++i)
        result.coefficientAt(i) -= b.m_coefficients[i];
    return result;
}

TransPolynom operator*(const TransPolynom &a, const TransPolynom &b)
{
    const int aDegree = std::max(a.degree(), 0);
    const int bDegree = std::max(b.degree(), 0);
    TransPolynom result;
    result.coefficientAt(aDegree + bDegree);
    for (int i = 0; i <= a.degree(); ++i) {
        const transDouble &ai = a.m_coefficients[i];
        if (ai.isZero())
            continue;
        for (int j = 0; j <= b.degree(); ++j)
            result.m_coefficients[i + j] += ai * b.m_coefficients[j];
    }
    return result;
}

bool TransPolynom::isZero() const
{
    for (const transDouble &c : m_coefficients) {
        if (!c.isZero())
            return false;
    }
    return true;
}

void TransPolynom::strip()
{
    while (m_coefficients.count() >= 2 && m_coefficients.last().isZero())
        m_coefficients.removeLast();
}

void TransPolynom::chop()
{
    const std::int64_t largest = largestPoint();
    const std::int64_t digitsKept = transDouble::workPrecision();
    for (transDouble &c : m_coefficients) {
        if (c.isZero())
            continue;
        if (largest - c.point() >= digitsKept)
            c = transDouble::zero();
        else
            c.normalize();
    }
}

void TransPolynom::roundCoefficients(std::uint16_t digits)
{
    for (transDouble &c : m_coefficients)
        c.normalize(digits);
}

namespace {

// The point among the non-zero coefficients that `precedes` puts first; 0 when all are zero.
template<typename Precedes>
std::int32_t extremePoint(const MArray<transDouble> &coefficients, Precedes precedes)
{
    bool found = false;
    std::int32_t extreme = 0;
    for (const transDouble &c : coefficients) {
        if (!c.isZero() && (!found || precedes(c.point(), extreme))) {
            extreme = c.point();
            found = true;
        }
    }
    return extreme;
}

} // namespace

std::int32_t TransPolynom::smallestPoint() const
{
    return extremePoint(m_coefficients, std::less<std::int32_t>());
}

std::int32_t TransPolynom::largestPoint() const
{
    return extremePoint(m_coefficients, std::greater<std::int32_t>());
}

std::uint16_t TransPolynom::smallestDigitLength() const
{
    std::uint16_t smallest = std::numeric_limits<std::uint16_t>::max();
    for (const transDouble &c : m_coefficients)
        smallest = std::min(smallest, c.length());
    return m_coefficients.isEmpty() ? 1 : smallest;
}

int TransPolynom::compare(const TransPolynom &a, const TransPolynom &b)
{
    if (a.degree() != b.degree())
        return 0;
    bool allEqual = true;
    bool allNegated = true;
    for (int i = 0; i <= a.degree(); ++i) {
        const int pair = transDouble::signedEquality(a.m_coefficients[i], b.m_coefficients[i]);
        allEqual = allEqual && pair == 1;
        allNegated = allNegated && pair == -1;
        if (!allEqual && !allNegated)
            return 0;
    }
    return allEqual ? 1 : -1;
}

// Long division from the top: q[k] = r[deg b + k] / b[deg b], and q[k] * b is taken off r.
void TransPolynom::divide(const TransPolynom &divisor, TransPolynom &quotient,
                          TransPolynom &remainder) const
{
    // A divisor with zero top coefficients is divided by its true degree; dividing by its
    // zero top coefficient would lose the dividend.
    TransPolynom b(divisor);
    b.strip();
    const int aDegree = degree();
    const int bDegree = b.degree();
    if (aDegree < bDegree || b.isZero()) {
        remainder = *this;
        remainder.coefficientAt(0);
        return;
    }
    const std::int64_t dividendSmallestPoint = smallestPoint();
    TransPolynom q;
    TransPolynom r(*this);
    {
        const transDouble::PrecisionGuard guard;
        transDouble::setWorkPrecision(
            static_cast<std::uint16_t>(std::min(2 * transDouble::workPrecision(), 65535)));
        const std::uint16_t quotientDigits = transDouble::extendedPrecision();
        const transDouble inverse = b.highestCoefficient().reciprocal();
        q.coefficientAt(aDegree - bDegree);
        for (int k = aDegree - bDegree; k >= 0; --k) {
            transDouble qk
                = transDouble::product(r.m_coefficients[bDegree + k], inverse, quotientDigits);
            for (int j = bDegree + k - 1; j >= k; --j)
                r.m_coefficients[j] -= qk * b.m_coefficients[j - k];
            qk.normalize();
            q.m_coefficients[k] = std::move(qk);
        }
        for (int i = aDegree - bDegree + 1; i > 0; --i)
            r.m_coefficients.removeLast();
        if (r.m_coefficients.isEmpty())
            r.setZero();
    }
    q.chop();
    r.roundCoefficients(0);
    q.strip();
    r.strip();
    if (!r.isZero() && dividendSmallestPoint - r.largestPoint() >= transDouble::workPrecision())
        r.setZero();
    quotient = std::move(q);
    remainder = std::move(r);
}

void TransPolynom::reducePair(TransPolynom &p, TransPolynom &q)
{
    TransPolynom a(p);
    TransPolynom b(q);
    a.strip();
    b.strip();
    const int order = compare(a, b);
    if (order != 0) {
        p.setConstant(order == 1 ? transDouble::one() : transDouble::minusOne());
        q.setConstant(transDouble::one());
        return;
    }
    if (a.degree() >= 1 && b.degree() >= 1) {
        const bool divideA
            = b.degree() < a.degree()
              || (a.degree() == b.degree()
                  && transDouble::compareMagnitude(a.highestCoefficient(), b.highestCoefficient())
                         >= 0);
        TransPolynom &larger = divideA ? a : b;
        TransPolynom &smaller = divideA ? b : a;
        TransPolynom quotient;
        TransPolynom remainder;
        larger.divide(smaller, quotient, remainder);
        if (remainder.isZero()) {
            larger = std::move(quotient);
            smaller.setConstant(transDouble::one());
        }
    }
    p = std::move(a);
    q = std::move(b);
}
