#include "ratiofunc.h"

#include <algebra/complexarith.h>

#include <common/ipstream.h>
#include <common/opstream.h>

namespace {

using Complex = RatioFunc::Complex;

constexpr double twoPi = 6.283185307179586;

// Σ c_k u^(n - k): the polynomial with its coefficients in reverse order, by Horner's rule.
Complex reversedValue(const Polynom &p, Complex u)
{
    Complex value;
    for (const Complex c : p.coefficients())
        value = value * u + c;
    return value;
}

// N(s) / D(s) = s^(n - m) Ñ(1/s) / D̃(1/s) for |s| > 1, the powers of s applied one at a time
// so that the value passes through the range of doubles only as far as the result itself.
Complex valueFromReversed(const Polynom &numerator, const Polynom &denominator, Complex s)
{
    const Complex u = ComplexArith::divide(1.0, s);
    Complex value
        = ComplexArith::divide(reversedValue(numerator, u), reversedValue(denominator, u));
    for (int k = numerator.degree(); k > denominator.degree(); --k)
        value *= s;
    for (int k = numerator.degree(); k < denominator.degree(); ++k)
        value *= u;
    return value;
}

} // namespace

// Where N(s) or D(s) overflows, which happens outside the unit circle (a 40th-order ladder
// above 10^8 rad/s) while the ratio itself is a representable number, the ratio is formed from
// the reversed polynomials in 1/s instead. Everywhere else both are evaluated as they are.
RatioFunc::Complex RatioFunc::evaluate(Complex s) const
{
    const Complex numerator = m_numerator.evaluate(s);
    const Complex denominator = m_denominator.evaluate(s);
    if ((ComplexArith::isFinite(numerator) && ComplexArith::isFinite(denominator))
        || !(ComplexArith::modulus(s) > 1.0) || !ComplexArith::isFinite(s))
        return ComplexArith::divide(numerator, denominator);
    return valueFromReversed(m_numerator, m_denominator, s);
}

RatioFunc::Complex RatioFunc::evaluateAtFrequency(double omega, bool radiansPerSecond) const
{
    return evaluate({0.0, radiansPerSecond ? omega : omega * twoPi});
}

void RatioFunc::differentiate()
{
    Polynom numeratorSlope = m_numerator;
    numeratorSlope.differentiate();
    Polynom denominatorSlope = m_denominator;
    denominatorSlope.differentiate();
    m_numerator = m_denominator * numeratorSlope - m_numerator * denominatorSlope;
    m_denominator *= m_denominator;
}

void RatioFunc::write(opstream &os) const
{
    os.writeObject(m_numerator);
    os.writeObject(m_denominator);
}

void RatioFunc::read(ipstream &is, std::uint32_t)
{
    is.readObject(m_numerator);
    is.readObject(m_denominator);
}
