#pragma once

#include <algebra/polynomialvalues.h>
#include <algebra/root.h>

#include <vector>

// The values of p(z) / Π (z - r) over the roots r found so far, a conjugate root standing for
// both halves: a polynomial deflated without rounding its coefficients. Dividing out a root
// that is only accurate to the last bits changes the coefficients of an explicitly deflated
// polynomial by as much, and for a polynomial of high degree that moves its remaining roots
// by more than they can stand; here the remaining roots are those of p itself.
class DeflatedValues : public PolynomialValues
{
public:
    explicit DeflatedValues(const PolynomialValues &p)
        : m_p(p)
    {
    }

    void divideBy(const Root &root);

    int degree() const override { return m_p.degree() - static_cast<int>(m_roots.size()); }
    std::complex<double> valueAt(std::complex<double> z) const override;
    ValueAndSlope valueAndSlopeAt(std::complex<double> z) const override;

private:
    struct Quotient
    {
        std::complex<double> divisor;
        // Σ 1 / (z - r) over the factors that are not 0 at z.
        std::complex<double> logarithmicSlope;
    };
    Quotient divisorAt(std::complex<double> z) const;

    const PolynomialValues &m_p;
    std::vector<std::complex<double>> m_roots;
};
