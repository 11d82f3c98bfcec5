#include "transpolynomvalues.h"

#include <algebra/exactcomplex.h>

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

PolynomialValues::ValueAndSlope TransPolynomValues::valueAndSlopeAt(std::complex<double> z) const
{
    const int n = m_p.degree();
    if (n < 0)
        return {};
    const ExactComplex point = ExactComplex::from(z);
    ExactComplex value{m_p.coefficient(n), transDouble::zero()};
    ExactComplex derivative{transDouble::zero(), transDouble::zero()};
    for (int k = n - 1; k >= 0; --k) {
        derivative = multiplyAdd(derivative, point, value);
        value = multiplyAdd(value, point, m_p.coefficient(k));
    }
    return {value.rounded(), derivative.rounded()};
}
