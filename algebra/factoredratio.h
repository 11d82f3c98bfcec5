#pragma once

#include <algebra/factpolynom.h>
#include <algebra/polynom.h>
#include <algebra/scaledcomplex.h>

#include <common/tstreamablebase.h>

class RatioFunc;

// A transfer function known by its factors: polynomial terms(s) + gain × Π (s - z)^m / Π (s -
// p)^n, a complex root standing for its conjugate pair. Evaluated factor by factor, it keeps
// the digits of every root where the multiplied-out coefficients of a high-order ratio lose
// them all, and its gain is a scaled number: a ladder of two hundred sections has a gain near
// 10^1200 that no double holds, and values of 10^-600 that the evaluation still resolves.
class FactoredRatio : public TStreamableBase
{
    ZENODYNE_STREAMABLE(FactoredRatio, 1)

public:
    using Complex = std::complex<double>;

    FactoredRatio() = default;
    FactoredRatio(Polynom polynomialTerms, ScaledComplex gain, FactPolynom zeros,
                  FactPolynom poles);
    // The ratio of two double polynomials, factored; a zero numerator gives the gain 0, a
    // constant denominator no poles.
    static FactoredRatio fromCoefficients(const RatioFunc &ratio);

    const Polynom &polynomialTerms() const { return m_polynomialTerms; }
    const ScaledComplex &gain() const { return m_gain; }
    const FactPolynom &zeros() const { return m_zeros; }
    const FactPolynom &poles() const { return m_poles; }

    // The value at s, scaled: it neither overflows nor underflows when the polynomial terms
    // are 0.
    ScaledComplex scaledValue(Complex s) const;
    // The value at s as a double.
    Complex evaluate(Complex s) const { return scaledValue(s).value(); }
    // The rounding of the evaluation at s: ε times the size of the terms that make it up, so a
    // value below it is indistinguishable from 0.
    double resolution(Complex s) const;

    bool operator==(const FactoredRatio &other) const;

private:
    // gain × Π (s - z) / Π (s - p), with bound set the bound Π (|s| + |z|) / Π |s - p|.
    ScaledComplex properPart(Complex s, bool bound) const;

    Polynom m_polynomialTerms{0.0};
    ScaledComplex m_gain{0.0};
    FactPolynom m_zeros;
    FactPolynom m_poles;
};
