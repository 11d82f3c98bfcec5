#pragma once

#include <complex>

// What the root search needs of a polynomial: its degree and its value, alone or with the
// first derivative, at complex points. The search arithmetic itself is in doubles; the values
// come either from double coefficients (PolynomValues) or from the exact coefficients of the
// network solution (TransPolynomValues), whose evaluation does not lose the roots of a
// high-order polynomial to the rounding of its coefficients.
class PolynomialValues
{
public:
    struct ValueAndSlope
    {
        std::complex<double> value;
        std::complex<double> derivative;
    };

    virtual ~PolynomialValues() = default;
    virtual int degree() const = 0;
    virtual std::complex<double> valueAt(std::complex<double> z) const = 0;
    virtual ValueAndSlope valueAndSlopeAt(std::complex<double> z) const = 0;
    // p(z) / p'(z), the Newton step at z; not finite where p' vanishes. Values that overflow
    // the doubles still have a finite step where the polynomial can form it exactly.
    virtual std::complex<double> newtonStepAt(std::complex<double> z) const;
};
