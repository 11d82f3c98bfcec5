#include "scaledcomplex.h"

#include <algebra/complexarith.h>
#include <algebra/transdouble.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int rescaleExponent = 256;

// z × 2^e; beyond ±4000 every double has under- or overflowed anyway.
std::complex<double> timesPowerOfTwo(std::complex<double> z, long long e)
{
    if (e == 0)
        return z;
    const int clamped = static_cast<int>(std::clamp(e, -4000LL, 4000LL));
    return {std::ldexp(z.real(), clamped), std::ldexp(z.imag(), clamped)};
}

} // namespace

ScaledComplex::ScaledComplex(Complex mantissa, long long exponent)
    : m_mantissa(mantissa)
    , m_exponent(exponent)
{
    rescale();
}

// The value is ±0.d0 d1 ... × 256^point; eight digits carry more than a double holds.
ScaledComplex ScaledComplex::fromTransDouble(const transDouble &value)
{
    if (value.isZero())
        return ScaledComplex(0.0);
    double mantissa = 0.0;
    const std::size_t count = std::min<std::size_t>(value.length(), 8);
    for (std::size_t i = count; i-- > 0;)
        mantissa = (mantissa + value.digit(i)) / 256.0;
    if (value.isNegative())
        mantissa = -mantissa;
    return ScaledComplex(mantissa, 8LL * value.point());
}

ScaledComplex &ScaledComplex::operator*=(Complex z)
{
    *this *= ScaledComplex(z);
    return *this;
}

ScaledComplex &ScaledComplex::operator*=(const ScaledComplex &other)
{
    m_mantissa *= other.m_mantissa;
    m_exponent += other.m_exponent;
    rescale();
    return *this;
}

ScaledComplex::Complex ScaledComplex::value() const
{
    return timesPowerOfTwo(m_mantissa, m_exponent);
}

ScaledComplex::Complex ScaledComplex::quotient(const ScaledComplex &a, const ScaledComplex &b)
{
    return timesPowerOfTwo(ComplexArith::divide(a.m_mantissa, b.m_mantissa),
                           a.m_exponent - b.m_exponent);
}

void ScaledComplex::rescale()
{
    const double size = std::max(std::abs(m_mantissa.real()), std::abs(m_mantissa.imag()));
    if (size == 0.0 || !std::isfinite(size))
        return;
    const int e = std::ilogb(size);
    if (e <= rescaleExponent && e >= -rescaleExponent)
        return;
    m_exponent += e;
    m_mantissa = {std::ldexp(m_mantissa.real(), -e), std::ldexp(m_mantissa.imag(), -e)};
}
