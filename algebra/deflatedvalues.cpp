#include "deflatedvalues.h"

#include <algebra/complexarith.h>

void DeflatedValues::divideBy(const Root &root)
{
    m_roots.push_back(root.value());
    if (!root.isReal())
        m_roots.push_back(std::conj(root.value()));
}

// A factor that vanishes at z (z is a found root itself) is left out: the quotient keeps a
// finite value there instead of an infinity that would stop the search.
DeflatedValues::Quotient DeflatedValues::divisorAt(std::complex<double> z) const
{
    Quotient quotient{1.0, 0.0};
    for (const std::complex<double> r : m_roots) {
        const std::complex<double> factor = z - r;
        if (factor == std::complex<double>())
            continue;
        quotient.divisor *= factor;
        quotient.logarithmicSlope += ComplexArith::divide(1.0, factor);
    }
    return quotient;
}

std::complex<double> DeflatedValues::valueAt(std::complex<double> z) const
{
    return ComplexArith::divide(m_p.valueAt(z), divisorAt(z).divisor);
}

// (p / D)' = (p' - p · D'/D) / D.
PolynomialValues::ValueAndSlope DeflatedValues::valueAndSlopeAt(std::complex<double> z) const
{
    const ValueAndSlope at = m_p.valueAndSlopeAt(z);
    const Quotient quotient = divisorAt(z);
    return {ComplexArith::divide(at.value, quotient.divisor),
            ComplexArith::divide(at.derivative - at.value * quotient.logarithmicSlope,
                                 quotient.divisor)};
}
