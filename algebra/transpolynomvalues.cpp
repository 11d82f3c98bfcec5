#include "transpolynomvalues.h"

#include <algebra/exactcomplex.h>

#include <limits>

struct TransPolynomValues::ExactValueAndSlope
{
    ExactComplex value;
    ExactComplex derivative;
};

std::complex<double> TransPolynomValues::valueAt(std::complex<double> z) const
{
    const int n = m_p.degree();
    if (n < 0)
        return {};
    const ExactComplex point = ExactComplex::from(z);
    ExactComplex value{m_p.coefficient(n), transDouble::zero()};
    for (int k = n - 1; k >= 0; --k)
        value = multiplyAdd(value, point, m_p.coefficient(k));
    return value.rounded();
}

TransPolynomValues::ExactValueAndSlope
TransPolynomValues::exactValueAndSlopeAt(std::complex<double> z) const
{
    const int n = m_p.degree();
    const ExactComplex point = ExactComplex::from(z);
    ExactComplex value{m_p.coefficient(n), transDouble::zero()};
    ExactComplex derivative{transDouble::zero(), transDouble::zero()};
    for (int k = n - 1; k >= 0; --k) {
        derivative = multiplyAdd(derivative, point, value);
        value = multiplyAdd(value, point, m_p.coefficient(k));
    }
    return {value, derivative};
}

PolynomialValues::ValueAndSlope TransPolynomValues::valueAndSlopeAt(std::complex<double> z) const
{
    if (m_p.degree() < 0)
        return {};
    const ExactValueAndSlope at = exactValueAndSlopeAt(z);
    return {at.value.rounded(), at.derivative.rounded()};
}

std::complex<double> TransPolynomValues::newtonStepAt(std::complex<double> z) const
{
    constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
    if (m_p.degree() < 1)
        return {notANumber, notANumber};
    const ExactValueAndSlope at = exactValueAndSlopeAt(z);
    if (at.derivative.re.isZero() && at.derivative.im.isZero())
        return {notANumber, notANumber};
    return (at.value / at.derivative).rounded();
}
