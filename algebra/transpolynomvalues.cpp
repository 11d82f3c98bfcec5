#include "transpolynomvalues.h"

#include <algebra/scaledcomplex.h>
#include <algebra/transpolynom.h>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// A complex value of Horner's rule with the scratch numbers of its steps.
class ComplexAccumulator
{
public:
    explicit ComplexAccumulator(std::size_t limbs)
        : re(limbs)
        , im(limbs)
        , m_product(limbs)
        , m_other(limbs)
        , m_sum(limbs)
        , m_next(limbs)
    {
    }

    // this = this × (x + iy) + (addRe + i addIm); no imaginary addend when addIm is null.
    void multiplyAdd(double x, double y, const LimbFloat &addRe, const LimbFloat *addIm)
    {
        if (y == 0.0) {
            m_product.setProduct(re, x);
            m_next.setSum(m_product, addRe);
            m_product.setProduct(im, x);
            finishImaginary(m_product, addIm);
        } else {
            m_product.setProduct(re, x);
            m_other.setProduct(im, y);
            m_sum.setSum(m_product, m_other, true);
            m_next.setSum(m_sum, addRe);
            m_product.setProduct(re, y);
            m_other.setProduct(im, x);
            m_sum.setSum(m_product, m_other);
            finishImaginary(m_sum, addIm);
        }
        std::swap(re, m_next);
    }

    LimbFloat re;
    LimbFloat im;

private:
    void finishImaginary(LimbFloat &product, const LimbFloat *addIm)
    {
        if (addIm)
            im.setSum(product, *addIm);
        else
            std::swap(im, product);
    }

    LimbFloat m_product;
    LimbFloat m_other;
    LimbFloat m_sum;
    LimbFloat m_next;
};

} // namespace

struct TransPolynomValues::ScaledValueAndSlope
{
    ScaledComplex value;
    ScaledComplex derivative;
};

// A guard limb beyond the work precision (and beyond the longest coefficient) keeps the rule at
// least as precise as the multi-precision arithmetic it stands for.
TransPolynomValues::TransPolynomValues(const TransPolynom &p)
{
    std::size_t digits = transDouble::workPrecision();
    for (int k = 0; k <= p.degree(); ++k)
        digits = std::max<std::size_t>(digits, p.coefficient(k).length());
    m_limbs = (digits + 7) / 8 + 1;
    m_coefficients.reserve(static_cast<std::size_t>(std::max(p.degree() + 1, 0)));
    for (int k = 0; k <= p.degree(); ++k)
        m_coefficients.push_back(LimbFloat::from(p.coefficient(k), m_limbs));
}

TransPolynomValues::ScaledValueAndSlope
TransPolynomValues::scaledValueAndSlopeAt(std::complex<double> z, bool withSlope) const
{
    const int n = degree();
    ComplexAccumulator value(m_limbs);
    ComplexAccumulator derivative(m_limbs);
    // 0 × 0 + the leading coefficient.
    value.multiplyAdd(0.0, 0.0, m_coefficients[static_cast<std::size_t>(n)], nullptr);
    for (int k = n - 1; k >= 0; --k) {
        if (withSlope)
            derivative.multiplyAdd(z.real(), z.imag(), value.re, &value.im);
        value.multiplyAdd(z.real(), z.imag(), m_coefficients[static_cast<std::size_t>(k)], nullptr);
    }
    return {toScaledComplex(value.re, value.im), toScaledComplex(derivative.re, derivative.im)};
}

std::complex<double> TransPolynomValues::valueAt(std::complex<double> z) const
{
    if (degree() < 0)
        return {};
    return scaledValueAndSlopeAt(z, false).value.value();
}

PolynomialValues::ValueAndSlope TransPolynomValues::valueAndSlopeAt(std::complex<double> z) const
{
    if (degree() < 0)
        return {};
    const ScaledValueAndSlope at = scaledValueAndSlopeAt(z, true);
    return {at.value.value(), at.derivative.value()};
}

std::complex<double> TransPolynomValues::newtonStepAt(std::complex<double> z) const
{
    constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
    if (degree() < 1)
        return {notANumber, notANumber};
    const ScaledValueAndSlope at = scaledValueAndSlopeAt(z, true);
    if (at.derivative.isZero())
        return {notANumber, notANumber};
    return ScaledComplex::quotient(at.value, at.derivative);
}
