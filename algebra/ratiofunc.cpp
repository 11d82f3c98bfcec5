#include "ratiofunc.h"

#include <algebra/complexarith.h>

#include <common/ipstream.h>
#include <common/opstream.h>

RatioFunc::Complex RatioFunc::evaluate(Complex s) const
{
    return ComplexArith::divide(m_numerator.evaluate(s), m_denominator.evaluate(s));
}

RatioFunc::Complex RatioFunc::evaluateAtFrequency(double omega, bool radiansPerSecond) const
{
    return ComplexArith::divide(m_numerator.evaluateAtFrequency(omega, radiansPerSecond),
                                m_denominator.evaluateAtFrequency(omega, radiansPerSecond));
}

void RatioFunc::differentiate()
{
    Polynom numeratorSlope = m_numerator;
    numeratorSlope.differentiate();
    Polynom denominatorSlope = m_denominator;
    denominatorSlope.differentiate();
    m_numerator = m_denominator * numeratorSlope - m_numerator * denominatorSlope;
    m_denominator *= m_denominator;
}

void RatioFunc::write(opstream &os) const
{
    os.writeObject(m_numerator);
    os.writeObject(m_denominator);
}

void RatioFunc::read(ipstream &is, std::uint32_t)
{
    is.readObject(m_numerator);
    is.readObject(m_denominator);
}
