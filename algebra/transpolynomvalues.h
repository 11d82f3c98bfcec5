#pragma once

#include <algebra/polynomialvalues.h>
#include <algebra/transpolynom.h>

// The values of an exact polynomial: Horner's rule in multi-precision arithmetic at the work
// precision, from the exact value of the double point, rounded to a complex double only at
// the end. Near a root the value is the true small residual, not the rounding noise of large
// terms, so that Newton's iteration converges on roots that double coefficients no longer
// determine.
class TransPolynomValues : public PolynomialValues
{
public:
    explicit TransPolynomValues(const TransPolynom &p)
        : m_p(p)
    {
    }

    int degree() const override { return m_p.degree(); }
    std::complex<double> valueAt(std::complex<double> z) const override;
    ValueAndSlope valueAndSlopeAt(std::complex<double> z) const override;
    // The quotient is formed in multi-precision before it is rounded: at high degree the value
    // and the slope themselves are far beyond the doubles away from the roots.
    std::complex<double> newtonStepAt(std::complex<double> z) const override;

private:
    struct ExactValueAndSlope;
    ExactValueAndSlope exactValueAndSlopeAt(std::complex<double> z) const;

    const TransPolynom &m_p;
};
