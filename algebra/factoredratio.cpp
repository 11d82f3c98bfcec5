#include "factoredratio.h"

#include <algebra/complexarith.h>
#include <algebra/ratiofunc.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cmath>

namespace {

using Complex = std::complex<double>;

// The product of the factors (s - r) of the roots, a complex root with its conjugate; with
// bound set the product of the terms' sizes instead: |s| + |r| for a real root, |s|² + 2 |Re r|
// |s| + |r|² for a pair, as the multiplied-out factors add them up.
void multiplyFactors(ScaledComplex &product, const FactPolynom &roots, Complex s, bool bound,
                     bool divide)
{
    const double size = ComplexArith::modulus(s);
    for (const Root &root : roots.roots()) {
        const Complex r = root.value();
        Complex factor;
        if (bound)
            factor = root.isReal() ? size + ComplexArith::modulus(r)
                                   : size * size + 2.0 * std::abs(r.real()) * size + std::norm(r);
        else
            factor = root.isReal() ? s - r : (s - r) * (s - std::conj(r));
        if (divide)
            factor = ComplexArith::divide(1.0, factor);
        for (int k = 0; k < root.multiplicity(); ++k)
            product *= factor;
    }
}

// The monic polynomial p / top and its roots.
FactPolynom rootsOf(const Polynom &p, Complex top)
{
    FactPolynom roots;
    if (p.degree() < 1)
        return roots;
    Polynom monic = p;
    monic *= ComplexArith::divide(1.0, top);
    double accuracy = 0.0;
    roots.factor(monic, accuracy);
    return roots;
}

Polynom stripped(Polynom p)
{
    int degree = p.degree();
    while (degree > 0 && p.coefficient(degree) == Complex())
        --degree;
    std::vector<Complex> kept(p.coefficients().begin(),
                              p.coefficients().begin() + std::max(degree, 0) + 1);
    return Polynom(std::move(kept));
}

} // namespace

FactoredRatio::FactoredRatio(Polynom polynomialTerms, ScaledComplex gain, FactPolynom zeros,
                             FactPolynom poles)
    : m_polynomialTerms(std::move(polynomialTerms))
    , m_gain(gain)
    , m_zeros(std::move(zeros))
    , m_poles(std::move(poles))
{
}

FactoredRatio FactoredRatio::fromCoefficients(const RatioFunc &ratio)
{
    const Polynom numerator = stripped(ratio.numerator());
    const Polynom denominator = stripped(ratio.denominator());
    const Complex numeratorTop = numerator.coefficient(numerator.degree());
    const Complex denominatorTop = denominator.coefficient(denominator.degree());
    if (numeratorTop == Complex() || denominatorTop == Complex())
        return FactoredRatio();
    return FactoredRatio(Polynom(0.0),
                         ScaledComplex(ComplexArith::divide(numeratorTop, denominatorTop)),
                         rootsOf(numerator, numeratorTop), rootsOf(denominator, denominatorTop));
}

ScaledComplex FactoredRatio::properPart(Complex s, bool bound) const
{
    ScaledComplex value = m_gain;
    if (bound)
        value = ScaledComplex(ComplexArith::modulus(m_gain.mantissa()), m_gain.exponent());
    multiplyFactors(value, m_zeros, s, bound, false);
    multiplyFactors(value, m_poles, s, false, true);
    if (bound)
        value = ScaledComplex(ComplexArith::modulus(value.mantissa()), value.exponent());
    return value;
}

ScaledComplex FactoredRatio::scaledValue(Complex s) const
{
    ScaledComplex value = properPart(s, false);
    if (m_polynomialTerms.isZero())
        return value;
    return ScaledComplex(value.value() + m_polynomialTerms.evaluate(s));
}

double FactoredRatio::resolution(Complex s) const
{
    double terms = 0.0;
    const double r = ComplexArith::modulus(s);
    for (int i = m_polynomialTerms.degree(); i >= 0; --i)
        terms = terms * r + ComplexArith::modulus(m_polynomialTerms.coefficient(i));
    return ComplexArith::epsilon * (terms + properPart(s, true).value().real());
}

bool FactoredRatio::operator==(const FactoredRatio &other) const
{
    return m_polynomialTerms == other.m_polynomialTerms && m_gain == other.m_gain
           && m_zeros == other.m_zeros && m_poles == other.m_poles;
}

void FactoredRatio::write(opstream &os) const
{
    os.writeObject(m_polynomialTerms);
    os.writeDouble(m_gain.mantissa().real());
    os.writeDouble(m_gain.mantissa().imag());
    os.writeDouble(static_cast<double>(m_gain.exponent()));
    os.writeObject(m_zeros);
    os.writeObject(m_poles);
}

void FactoredRatio::read(ipstream &is, std::uint32_t)
{
    is.readObject(m_polynomialTerms);
    const double real = is.readDouble();
    const double imag = is.readDouble();
    const double exponent = is.readDouble();
    // A damaged exponent reads as a saturated value, not as undefined conversion.
    const double bounded = std::isfinite(exponent) ? std::clamp(exponent, -1e15, 1e15) : 0.0;
    m_gain = ScaledComplex({real, imag}, static_cast<long long>(bounded));
    is.readObject(m_zeros);
    is.readObject(m_poles);
}
