#pragma once

#include <algebra/polynom.h>
#include <algebra/polynomialvalues.h>

// The values of a double polynomial by Horner's rule.
class PolynomValues : public PolynomialValues
{
public:
    explicit PolynomValues(const Polynom &p)
        : m_p(p)
    {
    }

    int degree() const override { return m_p.degree(); }
    std::complex<double> valueAt(std::complex<double> z) const override { return m_p.evaluate(z); }
    ValueAndSlope valueAndSlopeAt(std::complex<double> z) const override
    {
        const Polynom::ValueAndSlope at = m_p.evaluateWithDerivative(z);
        return {at.value, at.derivative};
    }

private:
    const Polynom &m_p;
};
