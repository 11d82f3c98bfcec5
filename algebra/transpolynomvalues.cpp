#include "transpolynomvalues.h"

namespace {

// A complex number with exact parts.
struct ExactComplex
{
    transDouble re;
    transDouble im;

    std::complex<double> rounded() const { return {re.toDouble(), im.toDouble()}; }
};

// a × z + c for a real c; the imaginary part of z is zero for a real point.
ExactComplex multiplyAdd(const ExactComplex &a, const ExactComplex &z, const transDouble &c)
{
    if (z.im.isZero())
        return {a.re * z.re + c, a.im * z.re};
    return {a.re * z.re - a.im * z.im + c, a.re * z.im + a.im * z.re};
}

ExactComplex multiplyAdd(const ExactComplex &a, const ExactComplex &z, const ExactComplex &c)
{
    ExactComplex sum = multiplyAdd(a, z, c.re);
    sum.im += c.im;
    return sum;
}

ExactComplex exact(std::complex<double> z)
{
    return {transDouble(z.real()), transDouble(z.imag())};
}

} // namespace

std::complex<double> TransPolynomValues::valueAt(std::complex<double> z) const
{
    const int n = m_p.degree();
    if (n < 0)
        return {};
    const ExactComplex point = exact(z);
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
    const ExactComplex point = exact(z);
    ExactComplex value{m_p.coefficient(n), transDouble::zero()};
    ExactComplex derivative{transDouble::zero(), transDouble::zero()};
    for (int k = n - 1; k >= 0; --k) {
        derivative = multiplyAdd(derivative, point, value);
        value = multiplyAdd(value, point, m_p.coefficient(k));
    }
    return {value.rounded(), derivative.rounded()};
}
