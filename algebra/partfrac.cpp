#include "partfrac.h"

#include <algebra/complexarith.h>

#include <common/ipstream.h>
#include <common/opstream.h>

#include <cmath>

PartFrac::PartFrac(std::complex<double> pole, int power, std::complex<double> residue)
    : m_realPole(pole.imag() == 0.0)
    , m_residue(residue)
    , m_pole(pole, power)
{
    for (int k = m_pole.multiplicity() - 1; k >= 2; --k)
        m_factorial *= k;
    if (m_realPole) {
        m_value = residue.real();
        m_angle = 0.0;
    } else {
        m_value = ComplexArith::modulus(residue);
        m_angle
            = residue == std::complex<double>() ? 0.0 : std::atan2(residue.imag(), residue.real());
    }
}

// c t^(n-1) e^(σt) / (n-1)! for a real pole; for a complex pole the pair adds up to
// 2 |c| t^(n-1) e^(σt) cos(ωt + φ) / (n-1)!.
double PartFrac::response(double t) const
{
    const std::complex<double> p = m_pole.value();
    const double tPower = std::pow(t, power() - 1);
    const double decay = std::exp(p.real() * t);
    if (m_realPole)
        return m_value * tPower * decay / m_factorial;
    return 2.0 * m_value * tPower * decay * std::cos(p.imag() * t + m_angle) / m_factorial;
}

// With g = d/dt t^(n-1) = (n-1) t^(n-2) and h = g + σ t^(n-1), the derivative of the term is
// V e^(σt) h / F for a real pole and 2 V e^(σt) / F (h cos(ωt + φ) - ω t^(n-1) sin(ωt + φ)) for
// a complex pole.
double PartFrac::responseSlope(double t) const
{
    const std::complex<double> p = m_pole.value();
    const int n = power();
    const double g = n == 1 ? 0.0 : n == 2 ? 1.0 : (n - 1) * std::pow(t, n - 2);
    const double tPower = std::pow(t, n - 1);
    const double h = g + p.real() * tPower;
    const double decay = std::exp(p.real() * t);
    if (m_realPole)
        return m_value * decay * h / m_factorial;
    const double phase = p.imag() * t + m_angle;
    return 2.0 * m_value * decay / m_factorial
           * (h * std::cos(phase) - p.imag() * tPower * std::sin(phase));
}

void PartFrac::write(opstream &os) const
{
    os.writeBool32(m_realPole);
    os.writeDouble(m_residue.real());
    os.writeDouble(m_residue.imag());
    os.writeObject(m_pole);
    os.writeDouble(m_value);
    os.writeDouble(m_factorial);
    os.writeDouble(m_angle);
}

void PartFrac::read(ipstream &is, std::uint32_t)
{
    m_realPole = is.readBool32();
    const double re = is.readDouble();
    const double im = is.readDouble();
    m_residue = {re, im};
    is.readObject(m_pole);
    m_value = is.readDouble();
    m_factorial = is.readDouble();
    m_angle = is.readDouble();
}
