#pragma once

#include <algebra/polynom.h>

// A ratio of two polynomials with complex double coefficients; a default ratio is 0 / 1.
class RatioFunc : public TStreamableBase
{
    ZENODYNE_STREAMABLE(RatioFunc, 1)

public:
    using Complex = Polynom::Complex;

    RatioFunc() = default;
    RatioFunc(Polynom numerator, Polynom denominator)
        : m_numerator(std::move(numerator))
        , m_denominator(std::move(denominator))
    {
    }

    const Polynom &numerator() const { return m_numerator; }
    Polynom &numerator() { return m_numerator; }
    const Polynom &denominator() const { return m_denominator; }
    Polynom &denominator() { return m_denominator; }

    // numerator(s) ÷ denominator(s) by scaled division; a zero denominator gives what the
    // floating-point division gives. Where numerator or denominator overflows outside the unit
    // circle the ratio comes from the reversed polynomials in 1/s.
    Complex evaluate(Complex s) const;
    // The ratio at s = jω; ω is in hertz unless radiansPerSecond is set.
    Complex evaluateAtFrequency(double omega, bool radiansPerSecond) const;

    // Quotient rule: N / D becomes (D N' - N D') / D².
    void differentiate();

private:
    Polynom m_numerator{0.0};
    Polynom m_denominator{1.0};
};
