#include "polynomialvalues.h"

#include <algebra/complexarith.h>

std::complex<double> PolynomialValues::newtonStepAt(std::complex<double> z) const
{
    const ValueAndSlope at = valueAndSlopeAt(z);
    return ComplexArith::divide(at.value, at.derivative);
}
