#include <algebra/transratiofunc.h>

#include <algebra/termbound.h>

#include <utility>

TransRatioFunc::TransRatioFunc()
{
    setZeroRatio();
}

TransRatioFunc::TransRatioFunc(TransPolynom numerator, TransPolynom denominator)
    : m_numerator(std::move(numerator))
    , m_denominator(std::move(denominator))
{
}

void TransRatioFunc::setConstant(const transDouble &value)
{
    m_numerator.setConstant(value);
    m_denominator.setConstant(transDouble::one());
}

void TransRatioFunc::setZeroRatio()
{
    setConstant(transDouble::zero());
}

namespace {

// x +- y with the rounding noise of the cancellation dropped: each operand comes with the terms
// it is made of.
TransPolynom combined(const TransPolynom &x, TermBound xTerms, const TransPolynom &y,
                      const TermBound &yTerms, bool subtract)
{
    TransPolynom sum = subtract ? x - y : x + y;
    xTerms.widen(yTerms);
    xTerms.dropRoundingNoise(sum);
    return sum;
}

TransPolynom combined(const TransPolynom &x, const TransPolynom &y, bool subtract)
{
    return combined(x, TermBound::of(x), y, TermBound::of(y), subtract);
}

// a * b with the terms it is made of.
struct Product
{
    TransPolynom value;
    TermBound terms;
};

Product product(const TransPolynom &a, const TransPolynom &b)
{
    return {a * b, TermBound::ofProduct(a, b)};
}

TransPolynom combined(const Product &x, const Product &y, bool subtract)
{
    return combined(x.value, x.terms, y.value, y.terms, subtract);
}

TransPolynom combined(const TransPolynom &x, const Product &y, bool subtract)
{
    return combined(x, TermBound::of(x), y.value, y.terms, subtract);
}

} // namespace

// Na/Da +- Nb/Db. With equal (or exactly negated) denominators only the numerators combine;
// when one denominator divides the other exactly (Da = q Db) the sum is (Na +- q Nb) / Da;
// otherwise it is cross-multiplied. Where the numerators cancel, what the rounding leaves of
// a zero coefficient is dropped (TermBound): a balanced bridge answers 0, not 10^-113. The
// result is built aside and then taken over, so an oversized multiplication leaves the ratio as
// it was.
void TransRatioFunc::accumulate(const TransRatioFunc &other, bool subtract)
{
    const TransPolynom &na = m_numerator;
    const TransPolynom &da = m_denominator;
    const TransPolynom &nb = other.m_numerator;
    const TransPolynom &db = other.m_denominator;
    const int aDegree = da.degree();
    const int bDegree = db.degree();

    TransPolynom numerator;
    TransPolynom denominator;
    bool crossMultiply = false;
    const int order = TransPolynom::compare(da, db);
    if (order == 1) {
        numerator = combined(na, nb, subtract);
        denominator = da;
    } else if (order == -1) {
        numerator = combined(na, nb, !subtract);
        denominator = da;
    } else if (aDegree < 1 || bDegree < 1) {
        crossMultiply = true;
    } else if (bDegree < aDegree
               || (aDegree == bDegree
                   && transDouble::compareMagnitude(da.highestCoefficient(),
                                                    db.highestCoefficient())
                          >= 0)) {
        TransPolynom quotient;
        TransPolynom remainder;
        da.divide(db, quotient, remainder);
        crossMultiply = !remainder.isZero();
        if (!crossMultiply) {
            numerator = combined(na, product(quotient, nb), subtract);
            denominator = da;
        }
    } else {
        TransPolynom quotient;
        TransPolynom remainder;
        db.divide(da, quotient, remainder);
        crossMultiply = !remainder.isZero();
        if (!crossMultiply) {
            // q Na - Nb for a difference, q Na + Nb for a sum.
            numerator = combined(product(quotient, na), Product{nb, TermBound::of(nb)}, subtract);
            denominator = db;
        }
    }
    if (crossMultiply) {
        numerator = combined(product(na, db), product(nb, da), subtract);
        denominator = da * db;
    }

    if (numerator.isZero()) {
        setZeroRatio();
        return;
    }
    m_numerator = std::move(numerator);
    m_denominator = std::move(denominator);
    reduce();
}

TransRatioFunc &TransRatioFunc::operator+=(const TransRatioFunc &other)
{
    accumulate(other, false);
    return *this;
}

TransRatioFunc &TransRatioFunc::operator-=(const TransRatioFunc &other)
{
    accumulate(other, true);
    return *this;
}

// Multiplies by n / d: the own numerator is reduced against d and the own denominator against
// n before the two products are formed.
void TransRatioFunc::multiplyReduced(const TransPolynom &n, const TransPolynom &d)
{
    TransPolynom numerator(m_numerator);
    TransPolynom denominator(m_denominator);
    TransPolynom otherNumerator(n);
    TransPolynom otherDenominator(d);
    TransPolynom::reducePair(numerator, otherDenominator);
    TransPolynom::reducePair(denominator, otherNumerator);
    TransPolynom product = numerator * otherNumerator;
    TransPolynom productDenominator = denominator * otherDenominator;
    m_numerator = std::move(product);
    m_denominator = std::move(productDenominator);
}

TransRatioFunc &TransRatioFunc::operator*=(const TransRatioFunc &other)
{
    if (m_numerator.isZero() || other.m_numerator.isZero())
        setZeroRatio();
    else
        multiplyReduced(other.m_numerator, other.m_denominator);
    return *this;
}

// (Na/Da) / (Nb/Db) = (Na/Da) (Db/Nb). A zero divisor would leave a zero denominator behind;
// like x / 0 for numbers the quotient is taken as 0 instead.
TransRatioFunc &TransRatioFunc::operator/=(const TransRatioFunc &other)
{
    if (m_numerator.isZero() || other.m_denominator.isZero() || other.m_numerator.isZero())
        setZeroRatio();
    else
        multiplyReduced(other.m_denominator, other.m_numerator);
    return *this;
}

TransRatioFunc operator*(const TransRatioFunc &a, const TransRatioFunc &b)
{
    TransRatioFunc result(a);
    result *= b;
    return result;
}

void TransRatioFunc::reduce()
{
    m_numerator.strip();
    m_denominator.strip();
    while (m_numerator.coefficientCount() >= 2 && m_denominator.coefficientCount() >= 2
           && m_numerator.coefficient(0).isZero() && m_denominator.coefficient(0).isZero()) {
        m_numerator.removeConstantTerm();
        m_denominator.removeConstantTerm();
    }
}

int TransRatioFunc::termCount()
{
    m_numerator.strip();
    m_denominator.strip();
    if (m_numerator.isZero())
        return 0;
    return m_numerator.coefficientCount() + m_denominator.coefficientCount();
}

int TransRatioFunc::digitMeasure() const
{
    return m_numerator.smallestDigitLength() + m_denominator.smallestDigitLength();
}

namespace {

// Multiplies every coefficient below the top by the reciprocal of the top one and sets the top
// to 1; answers that reciprocal.
transDouble makeMonic(TransPolynom &polynomial)
{
    const transDouble inverse = polynomial.highestCoefficient().reciprocal();
    for (int i = 0; i < polynomial.degree(); ++i)
        polynomial.coefficientAt(i) *= inverse;
    polynomial.coefficientAt(polynomial.degree()) = transDouble::one();
    return inverse;
}

} // namespace

transDouble TransRatioFunc::normalizeMonic()
{
    TransPolynom numerator(m_numerator);
    TransPolynom denominator(m_denominator);
    numerator.strip();
    denominator.strip();
    numerator.coefficientAt(0);
    denominator.coefficientAt(0);
    transDouble gain;
    if (numerator.isZero()) {
        numerator.setConstant(transDouble::one());
    } else {
        gain = numerator.highestCoefficient();
        makeMonic(numerator);
    }
    gain *= makeMonic(denominator);
    m_numerator = std::move(numerator);
    m_denominator = std::move(denominator);
    return gain;
}
