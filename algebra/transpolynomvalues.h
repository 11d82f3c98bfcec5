#pragma once

#include <algebra/limbfloat.h>
#include <algebra/polynomialvalues.h>

#include <vector>

class TransPolynom;

// The values of an exact polynomial: Horner's rule in multi-precision arithmetic from the exact
// value of the double point, at least as precise as the work precision, rounded to a complex
// double only at the end. Near a root the value is the true small residual, not the rounding
// noise of large terms, so that Newton's iteration converges on roots that double coefficients
// no longer determine. The coefficients are taken into binary limbs once, when the values are
// made, and each step of the rule is one pass over the limbs.
class TransPolynomValues : public PolynomialValues
{
public:
    explicit TransPolynomValues(const TransPolynom &p);

    int degree() const override { return static_cast<int>(m_coefficients.size()) - 1; }
    // Values beyond the doubles saturate to infinity or 0.
    std::complex<double> valueAt(std::complex<double> z) const override;
    ValueAndSlope valueAndSlopeAt(std::complex<double> z) const override;
    // The quotient is formed from the scaled value and slope: at high degree both are far beyond
    // the doubles away from the roots.
    std::complex<double> newtonStepAt(std::complex<double> z) const override;

private:
    struct ScaledValueAndSlope;
    ScaledValueAndSlope scaledValueAndSlopeAt(std::complex<double> z, bool withSlope) const;

    std::size_t m_limbs = 1;
    std::vector<LimbFloat> m_coefficients;
};
