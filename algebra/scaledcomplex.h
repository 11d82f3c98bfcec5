#pragma once

#include <complex>

class transDouble;

// A complex number kept as mantissa × 2^exponent, so that products of many factors (the
// distances of a pole from two hundred others, the gain of a high-order ladder) neither
// overflow nor underflow on the way. While the value stays within the range of doubles it is
// the plain product.
class ScaledComplex
{
public:
    using Complex = std::complex<double>;

    ScaledComplex() = default;
    explicit ScaledComplex(Complex mantissa, long long exponent = 0);
    // The multi-precision value to about 16 significant digits, whatever its exponent.
    static ScaledComplex fromTransDouble(const transDouble &value);

    Complex mantissa() const { return m_mantissa; }
    long long exponent() const { return m_exponent; }
    bool isZero() const { return m_mantissa == Complex(); }
    bool operator==(const ScaledComplex &other) const = default;

    ScaledComplex &operator*=(Complex z);
    ScaledComplex &operator*=(const ScaledComplex &other);
    // Multiplies by 2^e exactly.
    void scaleByPowerOfTwo(long long e) { m_exponent += e; }

    // The value as a double, saturating to infinity or 0 outside the range.
    Complex value() const;
    // a ÷ b as a double, saturating likewise.
    static Complex quotient(const ScaledComplex &a, const ScaledComplex &b);

private:
    // Keeps the mantissa within 2^±256, so that no product of two overflows.
    void rescale();

    Complex m_mantissa{1.0, 0.0};
    long long m_exponent = 0;
};
