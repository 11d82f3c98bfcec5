#include "root.h"

#include <common/ipstream.h>
#include <common/opstream.h>

#include <algorithm>
#include <cmath>
#include <string>

Root::Root(std::complex<double> value, int multiplicity)
    : m_value(value)
{
    setMultiplicity(multiplicity);
}

void Root::setMultiplicity(int multiplicity)
{
    m_multiplicity = std::clamp(multiplicity, 0, maxMultiplicity);
}

bool Root::isSameRoot(std::complex<double> b) const
{
    const double a1 = std::abs(m_value.real());
    const double a2 = std::abs(m_value.imag());
    const double b1 = std::abs(b.real());
    const double b2 = std::abs(b.imag());
    const double dRe = std::abs(m_value.real() - b.real());
    const double dIm = std::abs(a2 - b2);

    if ((a2 == 0.0) != (b2 == 0.0))
        return false;
    if (a2 == 0.0 && b2 == 0.0 && a1 + b1 < 0.001)
        return true;
    if (a1 == 0.0 && b1 == 0.0 && a2 + b2 < 0.001)
        return true;
    // A root clearly in the right half-plane is never the same as one clearly in the left: a
    // growing oscillation must not cancel against a decaying one however close their
    // frequencies. Real parts within rounding noise of the axis may match either side.
    const double noise = 1e-6 * std::max(std::abs(m_value), std::abs(b));
    if ((m_value.real() > noise && b.real() < -noise)
        || (m_value.real() < -noise && b.real() > noise))
        return false;
    if ((a2 == 0.0 && b2 == 0.0) || (a2 * 500.0 < a1 && b2 * 500.0 < b1))
        return dRe <= 0.01 * std::max(a1, b1);
    if (a2 <= 500.0 * a1 || b2 <= 500.0 * b1)
        return dRe <= 0.01 * std::max(a1, b1) && dIm <= 0.01 * std::max(a2, b2);
    return dIm <= 0.01 * std::max(a2, b2);
}

void Root::write(opstream &os) const
{
    os.writeDouble(m_value.real());
    os.writeDouble(m_value.imag());
    os.writeInt32(m_multiplicity);
}

void Root::read(ipstream &is, std::uint32_t)
{
    const double re = is.readDouble();
    const double im = is.readDouble();
    const std::int32_t multiplicity = is.readInt32();
    if (multiplicity < 0 || multiplicity > maxMultiplicity) {
        is.fail("root multiplicity " + std::to_string(multiplicity) + " out of range");
        return;
    }
    m_value = {re, im};
    m_multiplicity = multiplicity;
}
