#include <algebra/exactquotient.h>

#include <algorithm>

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
        transDouble sum = aAt(i);
        for (int j = 1; j <= std::min(i, bDegree); ++j)
            sum -= bAt(j) * quotient.coefficient(i - j);
        quotient.coefficientAt(i) = sum * lowInverse;
    }
    const transDouble highInverse = bAt(bDegree).reciprocal();
    for (int i = qDegree; i >= lowCount; --i) {
        transDouble sum = aAt(i + bDegree);
        for (int j = i + 1; j <= std::min(qDegree, i + bDegree); ++j)
            sum -= quotient.coefficient(j) * bAt(i + bDegree - j);
        quotient.coefficientAt(i) = sum * highInverse;
    }
    return quotient;
}
